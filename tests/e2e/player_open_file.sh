#!/usr/bin/env bash
# Starts the real program, opens the after-lessons screen, sails the ship and picks a sound file of
# its own in the real open-file dialog: the dialog speaks Russian, the name and size labels fill in,
# and the sound comes out at a null sink of a private sound server.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
binary=$1
start_display

work=$(mktemp -d)
mkdir -p "$work/songs" "$work/pulse"
song=$work/songs/tone.wav
sox -n -r 22050 -c 1 -b 16 "$song" synth 3 sine 440 gain -6

# The sound server, with a null sink whose monitor is recorded.
export PULSE_RUNTIME_PATH=$work/pulse PULSE_SERVER=unix:$work/pulse/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --disable-shm=true \
  -L "module-null-sink sink_name=e2e_sink" -L "module-native-protocol-unix" >/dev/null 2>&1 &
pulse=$!
recorder=
cleanup() {
  stop_all
  [ -n "$recorder" ] && kill "$recorder" 2>/dev/null || true
  kill "$pulse" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl info >/dev/null 2>&1 || fail "no sound server"
pactl set-default-sink e2e_sink

(cd "$work" && exec "$binary") &
program=$!
menu=$(wait_window Form1) || fail "no menu window"
click_twips "$menu" $((4320 + 1455 / 2)) $((3600 + 495 / 2))  # После уроков
screen=$(wait_window "     После уроков") || fail "no after-lessons window"
sleep 0.3
click_twips "$screen" 6800 1500  # the ship's sails
sleep 0.3
click_twips "$screen" 720 360    # the folder with the red lips

dialog=$(wait_window "Открыть") || fail "no Russian open-file dialog"
parec --latency-msec=20 -d e2e_sink.monitor --format=s16le --rate=22050 --channels=1 >"$work/heard.raw" 2>/dev/null &
recorder=$!
xdotool windowactivate --sync "$dialog" 2>/dev/null || true
sleep 0.3
xdotool type --delay 20 "$song"
xdotool key Return
wait_gone "Открыть" || fail "the dialog stayed open"
sleep 1.5

# Ink of the label's own colour inside the name and size labels (Picture1 at 120, 248 pixels).
read -r sx sy < <(origin "$screen")
shot=$work/screen.png
import -window root "$shot"
ink() {  # $1 crop geometry, $2 test on r, g, b
  convert "$shot" -crop "$1" +repage -fx "$2" -format '%[fx:int(mean*w*h)]' info:
}
blue=$(ink 161x33+$((sx + 136))+$((sy + 296)) 'b>0.6&&r<0.4&&g<0.4')
red=$(ink 113x33+$((sx + 136))+$((sy + 336)) 'r>0.6&&g<0.4&&b<0.4')
[ "$blue" -gt 20 ] || fail "the name label shows no blue text ($blue pixels)"
[ "$red" -gt 20 ] || fail "the size label shows no red text ($red pixels)"

kill "$recorder" 2>/dev/null || true
wait "$recorder" 2>/dev/null || true
recorder=
peak=$(sox -t raw -r 22050 -e signed -b 16 -c 1 "$work/heard.raw" -n stat 2>&1 |
       awk '/Maximum amplitude/{print $3}')
if ldd "$binary" | grep -q -e libQt6Multimedia -e libfluidsynth; then
  awk -v p="${peak:-0}" 'BEGIN{exit !(p > 0.05)}' || fail "no sound at the sink (peak ${peak:-none})"
else
  echo "sound not checked: this build plays through no sound backend"
fi
echo "1 passed, 0 failed"
