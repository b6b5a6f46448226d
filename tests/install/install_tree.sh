#!/usr/bin/env bash
# Installs into a scratch root as the package does (prefix /usr) and checks what a desktop finds
# there: the program, a valid desktop entry that starts it in the sample media folder, the icon,
# and valid AppStream metadata whose screenshots are those kept in dist/screenshots.
set -euo pipefail
build=$1
source=$2
svgshot=$3
id=ru.velmaro.masterskaya
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
[ -x "$root/usr/bin/masterskaya" ] || fail "no program in /usr/bin"
[ -n "$(find "$root/usr/lib" -path '*/masterskaya/masterskaya-devices.so')" ] ||
  fail "no device module in the program's folder under /usr/lib"

desktop=$root/usr/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
for line in 'Name=Magic Workshop' 'Name[ru]=Волшебная мастерская' 'Exec=masterskaya' "Icon=$id"; do
  grep -qxF "$line" "$desktop" || fail "the desktop entry lacks '$line'"
done
grep -qx 'Categories=Education;.*' "$desktop" || fail "the desktop entry is not in Education"
path=$(sed -n 's/^Path=//p' "$desktop")
if [ -d "$source/sample" ]; then
  [ "$path" = /usr/share/masterskaya/sample ] || fail "Path=$path, not the installed sample folder"
  diff <(cd "$source/sample" && find . -type f | sort) <(cd "$root$path" && find . -type f | sort) ||
    fail "the installed sample folder differs from sample/"
  [ -d "$root$path/EVY" ] || fail "no media folder EVY in $path"
else
  [ -z "$path" ] || fail "Path=$path although no sample folder is installed"
  echo "skipped: the sample media checks (this checkout has no sample/ folder)"
fi

metainfo=$root/usr/share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net --pedantic --strict "$metainfo" || fail "the metainfo does not validate"
appstreamcli validate-tree --no-net "$root/usr" || fail "the install tree does not validate"
shots=$(grep -o '/screenshots/[a-z0-9_]*\.png</image>' "$metainfo" | sed 's|/screenshots/||; s|</image>||')
[ -n "$shots" ] || fail "the metainfo shows no screenshots"
for shot in $shots; do
  file "$source/dist/screenshots/$shot" | grep -q 'PNG image' || fail "no screenshot $shot in dist/screenshots"
done

# The scalable icon draws something at the size a menu shows it.
icon=$root/usr/share/icons/hicolor/scalable/apps/$id.svg
"$svgshot" "$icon" "$root/icon.png" 0.375 2>/dev/null || fail "the icon does not render"
[ "$(identify -format '%wx%h' "$root/icon.png")" = 48x48 ] || fail "the icon is not 48 pixels at 3/8"
opaque=$(convert "$root/icon.png" -alpha extract -format '%[fx:mean]' info:)
awk -v o="$opaque" 'BEGIN { exit !(o > 0.7) }' || fail "the icon is mostly transparent ($opaque)"
echo "1 passed, 0 failed"
