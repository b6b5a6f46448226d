#!/usr/bin/env bash
# Builds the .deb with CPack into a scratch folder and checks it: the same files as the install
# tree, a stripped program, and dependencies on the packages of its libraries and of what it loads
# by name (fonts, media decoders).
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/masterskaya_*.deb)
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6svg6 libqt6multimedia6 libstdc++6 fonts-dejavu-core \
  gstreamer1.0-plugins-good; do
  grep -q "\b$package\b" <<<"$depends" || fail "the package does not depend on $package"
done
if nm -D --undefined-only "$build/masterskaya-devices.so" | grep -q fluid_synth; then
  grep -q timgm6mb-soundfont <<<"$depends" || fail "MIDI is played but the soundfont is no dependency"
fi
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "not in section education"

DESTDIR=$work/tree cmake --install "$build" --prefix /usr >/dev/null
dpkg-deb -x "$deb" "$work/deb"
diff <(cd "$work/tree" && find . -type f | sort) <(cd "$work/deb" && find . -type f | sort) ||
  fail "the package holds other files than the install tree"
if readelf -S "$work/deb/usr/bin/masterskaya" | grep -q '\.debug_info'; then fail "the packaged program is not stripped"; fi
echo "1 passed, 0 failed"
