#!/bin/bash
# The smoke test against the installed copy: starts the program the way the
# installed launcher names it (its Exec through the PATH, from a folder away
# from the build), and checks that the window's class is the one the launcher
# expects, so that task bars put the window under the launcher's icon.
#   installed-smoke.sh PREFIX SMOKE_SH WM_CLOSE       (run inside xvfb-run)
set -u
prefix=$(realpath "$1")
smoke=$(realpath "$2")
wm_close=$(realpath "$3")
desktop=$prefix/share/applications/io.github.quillane.Quillane.desktop
fail() { echo "installed-smoke: $*" >&2; exit 1; }

exec_name=$(sed -n 's/^Exec=//p' "$desktop" | head -n 1)
[ -n "$exec_name" ] || fail "no Exec in $desktop"
program=$(PATH="$prefix/bin:$PATH" command -v "$exec_name") || fail "$exec_name is not on the PATH"
[ "$program" = "$prefix/bin/$exec_name" ] || fail "$exec_name resolves to $program, not the installed copy"

SMOKE_WM_CLASS=$(sed -n 's/^StartupWMClass=//p' "$desktop" | head -n 1)
[ -n "$SMOKE_WM_CLASS" ] || fail "no StartupWMClass in $desktop"
export SMOKE_WM_CLASS

work=$(mktemp -d) || fail "no temporary folder"
trap 'rm -rf "$work"' EXIT
cd "$work" || fail "cannot enter $work"
"$smoke" "$program" "$wm_close"
