# Run by CPack on the staged package tree before the .deb is made: Debian
# keeps the programs of its games section in /usr/games (the launcher starts
# "quillane" through the PATH, which has /usr/games on Debian desktops).
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT EXISTS "${usr}/bin/quillane")
  message(FATAL_ERROR "No bin/quillane in the staged package tree ${usr}")
endif()
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/quillane" "${usr}/games/quillane")
file(GLOB rest "${usr}/bin/*")
if(NOT rest)
  file(REMOVE_RECURSE "${usr}/bin")
endif()
