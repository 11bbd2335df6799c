#!/bin/bash
# Installs the build folder into a fresh PREFIX and checks the tree: the
# program and every file a desktop reads, icons of the size their folder
# names, release notes for this version, and nothing outside those folders.
#   check-install.sh CMAKE BUILD_DIR PREFIX VERSION
set -u
cmake=$1
build=$2
prefix=$3
version=$4
id=io.github.quillane.Quillane
fail() { echo "install: $*" >&2; exit 1; }

rm -rf "$prefix"
DESTDIR= "$cmake" --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

[ -x "$prefix/bin/quillane" ] || fail "no program bin/quillane"
for f in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man6/quillane.6.gz \
         share/doc/quillane/copyright share/doc/quillane/changelog.gz; do
    [ -s "$prefix/$f" ] || fail "no $f"
done

# Every file belongs to one of the folders a desktop or a package reads.
stray=$(cd "$prefix" && find . -type f | sed 's|^\./||' |
    grep -Ev '^(bin/quillane|share/(applications|metainfo|icons/hicolor|man/man6|doc/quillane)/.*)$')
[ -z "$stray" ] || fail "unexpected files: $stray"

# Each icon is as large as its folder says, and the common sizes are there.
sizes=
for png in "$prefix"/share/icons/hicolor/*/apps/$id.png; do
    [ -f "$png" ] || fail "no PNG icons"
    folder=$(basename "$(dirname "$(dirname "$png")")")
    got=$(identify -format '%wx%h' "$png") || fail "unreadable icon $png"
    [ "$got" = "$folder" ] || fail "icon in $folder is $got"
    sizes="$sizes $folder"
done
for want in 16x16 24x24 32x32 48x48 64x64 128x128 256x256; do
    case " $sizes " in *" $want "*) ;; *) fail "no $want icon (have:$sizes)" ;; esac
done
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

# The launcher starts the program by the name it was installed under and
# shows the icon installed beside it.
desktop=$prefix/share/applications/$id.desktop
grep -qx 'Exec=quillane' "$desktop" || fail "launcher does not run quillane"
grep -qx "Icon=$id" "$desktop" || fail "launcher does not name the icon $id"

# A version without release notes is a forgotten step of making a release.
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "no release $version in the metainfo file"
gzip -dc "$prefix/share/doc/quillane/changelog.gz" | head -n 1 | grep -q "^quillane ($version) " ||
    fail "the changelog does not start with version $version"
gzip -dc "$prefix/share/man/man6/quillane.6.gz" | grep -q "^\.TH QUILLANE 6 .*\"Quillane $version\"" ||
    fail "the manual page is not of version $version"
echo "install: ok"
