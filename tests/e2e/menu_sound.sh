#!/usr/bin/env bash
# The real program with real media, recorded at a private null sink (run it under
# tests/media/with_sound_server): the start-up music is heard, then the click of a menu hot spot,
# then silence. Usage: menu_sound.sh PROGRAM
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
binary=$1
work=$(mktemp -d)
mkdir "$work/EVY"
python3 - "$work/EVY/1.mid" <<'PY'
import sys
def vlq(v):
    b = [v & 0x7F]
    v >>= 7
    while v:
        b.insert(0, 0x80 | (v & 0x7F))
        v >>= 7
    return bytes(b)
events = vlq(0) + b"\xC0\x00"
for key in (60, 64, 67, 72):  # four quarter notes at 120 beats a minute: two seconds
    events += vlq(0) + bytes([0x90, key, 100]) + vlq(480) + bytes([0x80, key, 0])
body = events + b"\x00\xFF\x2F\x00"
track = b"MTrk" + len(body).to_bytes(4, "big") + body
open(sys.argv[1], "wb").write(b"MThd" + (6).to_bytes(4, "big") + b"\x00\x00\x00\x01\x01\xE0" + track)
PY
sox -n -r 22050 -c 1 -b 16 "$work/1.wav" synth 0.4 sine 880 gain -6  # the click, beside EVY

# The loudness (RMS, 0 to 1) of the next $1 seconds at the sink.
level() {
  parec --device=@DEFAULT_MONITOR@ --format=s16le --rate=44100 --channels=1 --raw 2>/dev/null |
    head -c $((88200 * $1 / 10)) >"$work/rec.raw"
  sox -t raw -r 44100 -e signed -b 16 -c 1 "$work/rec.raw" -n stat 2>&1 | awk '/RMS +amplitude/{print $3}'
}
loud() { awk -v l="$1" -v t="${2:-0.01}" 'BEGIN { exit !(l > t) }'; }

start_display
(cd "$work" && exec "$binary") &
program=$!
menu=$(wait_window Form1) || fail "no menu window"
music=$(level 10)
loud "$music" 0.005 || fail "no start-up music (level $music)"

sleep 2  # the music is over
click_twips "$menu" $((4920 + 855 / 2)) $((2760 + 375 / 2))  # Урок 4: the click sound
click=$(level 3)
loud "$click" || fail "no click sound (level $click)"
wait_window "     Урок 4" >/dev/null || fail "no Lesson 4 window"
import -window root "${SHOTS:-$work}/lesson4.png"
quiet=$(level 5)
loud "$quiet" && fail "sound after the click and the music were over (level $quiet)"
kill "$program"
wait "$program" 2>/dev/null || true
program=
rm -rf "$work"
echo "music $music, click $click, afterwards $quiet"
