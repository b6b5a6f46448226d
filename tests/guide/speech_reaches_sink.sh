#!/usr/bin/env bash
# The guide's voice reaches the sound server: a Russian sentence of the screens, recorded from a
# null sink's monitor, is sound (not silence) of about the length the voice announced.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
guidesay=$1
source "$here/pulse.sh"
start_pulse
trap stop_pulse EXIT
work=$(mktemp -d)
record "$work/heard.raw"
"$guidesay" "Ступи на палубу парусника и отправляйся в кругосветное путешествие в мир мультимедиа!" \
  >"$work/said.txt" 2>/dev/null
sleep 0.3
kill "$recorder"
recorder=
cat "$work/said.txt"
grep -q "device=yes" "$work/said.txt" || { echo "FAIL: the voice found no sound device"; exit 1; }
announced=$(sed -n 's/.*remaining_ms=\([0-9]*\).*/\1/p' "$work/said.txt")
# How much of the recording is louder than a whisper, in milliseconds.
loud=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/heard.raw" -n silence 1 0.01 1% reverse silence 1 0.01 1% reverse stat 2>&1 |
       awk '/Length \(seconds\)/ {printf "%d", $3 * 1000}')
rms=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/heard.raw" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
echo "announced ${announced} ms, heard ${loud} ms of sound, RMS ${rms}"
rm -rf "$work"
# A sentence of twelve words takes seconds, and all of it is heard: the sound lasts as long as the
# voice announced, give or take its leading and trailing pauses.
[ "${loud:-0}" -gt 3000 ] || { echo "FAIL: only ${loud} ms of sound"; exit 1; }
[ $((loud * 100)) -gt $((announced * 85)) ] && [ $((loud * 100)) -lt $((announced * 120)) ] ||
  { echo "FAIL: heard ${loud} ms, announced ${announced} ms"; exit 1; }
echo "1 passed, 0 failed"
