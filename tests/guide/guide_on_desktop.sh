#!/usr/bin/env bash
# The real program under a virtual display: a click on the menu's background brings the guide;
# the child drags it over the menu's buttons, and a click beside the figure, inside its window's
# square, still reaches the button beneath; a click through its speech balloon does too.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/lib.sh"
binary=$1
start_display
work=$(mktemp -d)
(cd "$work" && exec "$binary") 2>/dev/null &
program=$!
menu=$(wait_window Form1) || fail "no menu window"
read -r mx my < <(origin "$menu")
click_twips "$menu" 300 300  # the background
guide=$(wait_window guide) || fail "the guide did not appear"
sleep 0.5
read -r gx gy < <(origin "$guide")

# Take it by the robe and pull it 120 pixels to the left, over the column of buttons.
xdotool mousemove $((gx + 72)) $((gy + 140)) mousedown 1
for step in 1 2 3 4 5 6; do xdotool mousemove $((gx + 72 - step * 20)) $((gy + 140)); sleep 0.05; done
xdotool mouseup 1
sleep 0.3
read -r nx ny < <(origin "$guide")
[ "$nx" -eq $((gx - 120)) ] && [ "$ny" -eq "$gy" ] || fail "dragged to $nx,$ny, not $((gx - 120)),$gy"
sleep 2  # it stays where the child left it
read -r sx sy < <(origin "$guide")
[ "$sx" -eq "$nx" ] && [ "$sy" -eq "$ny" ] || fail "it went back to $sx,$sy"

# A point of the guide's window left of the hat, over the Урок 2 button (twips 4920, 1800).
bx=$((mx + 4920 / 15 + 10))
by=$((my + 1800 / 15 + 15))
[ "$bx" -ge "$nx" ] && [ "$by" -ge "$ny" ] && [ "$bx" -lt $((nx + 30)) ] || fail "the button is not under the guide's window"
xdotool mousemove "$bx" "$by" click 1
lesson=$(wait_window "     Урок 2") || fail "the click did not reach the button beneath the guide"
back_to_menu "$lesson" "     Урок 2"

# On До уроков the knight starts a tour whose long sentence's balloon lies over Back: a click on
# Back through the balloon still leads back to the menu.
click_menu "$menu" "     До уроков"
lesson=$(wait_window "     До уроков") || fail "no До уроков"
click_free "$lesson" 6000 300 3510 4000  # the knight
balloon=$(wait_window "guide balloon") || fail "the guide does not speak on the tour"
read -r lx ly < <(origin "$lesson")
read -r qx qy < <(origin "$balloon")
read -r qw qh < <(xwininfo -id "$balloon" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
bx=$((lx + (8160 + 1095 / 2) / 15))
by=$((ly + (5400 + 375 / 2) / 15))
[ "$bx" -ge "$qx" ] && [ "$bx" -lt $((qx + qw)) ] && [ "$by" -ge "$qy" ] && [ "$by" -lt $((qy + qh)) ] ||
  fail "the balloon ($qx,$qy ${qw}x$qh) does not lie over Back ($bx,$by)"
xdotool mousemove "$bx" "$by" click 1
wait_window Form1 >/dev/null || fail "the click on Back under the balloon did not lead back to the menu"
kill "$program"
wait "$program" 2>/dev/null || true
program=
rm -rf "$work"
echo "1 passed, 0 failed"
