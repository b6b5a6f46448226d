#!/usr/bin/env bash
# Starts the real program under a window manager, opens Lesson 5 and its drawing album, draws on
# the paper with the mouse, covers the paper with the colour dialog, and gives the album up.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
binary=$1
start_display
work=$(mktemp -d)
(cd "$work" && exec "$binary") &
program=$!

# Colour of the screen pixel at (x, y), as "r,g,b".
pixel() { import -window root png:- | convert - -format "%[fx:int(255*p{$1,$2}.r)],%[fx:int(255*p{$1,$2}.g)],%[fx:int(255*p{$1,$2}.b)]" info:; }

menu=$(wait_window Form1) || fail "no menu window"
click_twips "$menu" $((4920 + 855 / 2)) $((3240 + 375 / 2))  # Урок 5
lesson=$(wait_window "     Урок 5") || fail "no Lesson 5 window"
sleep 0.3
click_twips "$lesson" $((8040 + 1155 / 2)) $((720 + 4005 / 2))  # the pencils
album=$(wait_window " Альбом для рисования") || fail "the pencils opened no album"
sleep 0.5

# Beside the lesson: 1180 twips right and 1400 below its top-left corner, frames alike.
read -r lx ly < <(origin "$lesson")
read -r ax ay < <(origin "$album")
[ $((ax - lx)) -eq 79 ] && [ $((ay - ly)) -eq 93 ] || fail "album at +$((ax - lx)),+$((ay - ly)), not +79,+93"

# The paper lies below the menu bar and starts 206 pixels high.
height=$(xwininfo -id "$album" | awk '/Height:/{print $2}')
py=$((ay + height - 206))
xdotool mousemove $((ax + 20)) $((py + 20)) click 3 mousemove $((ax + 220)) $((py + 120)) click 1
sleep 0.3
[ "$(pixel $((ax + 120)) $((py + 70)))" = "170,0,255" ] || fail "no violet line where it was drawn"
[ "$(pixel $((ax + 10)) $((py + 10)))" = "255,255,255" ] || fail "the right press drew from the corner"

# The colour dialog covers the drawing; cancelling it leaves no hole.
xdotool mousemove $((ax + 20)) $((ay + (height - 206) / 2)) click 1
sleep 0.3
xdotool key Down Return
sleep 1
if [ "$(pixel $((ax + 120)) $((py + 70)))" = "170,0,255" ]; then fail "the colour dialog did not cover the paper"; fi
xdotool key Escape
sleep 0.5
[ "$(pixel $((ax + 120)) $((py + 70)))" = "170,0,255" ] || fail "the drawing has a hole after the dialog"

# Giving up: the album goes and the old man appears on Lesson 5.
xdotool mousemove $((ax + 20)) $((ay + (height - 206) / 2)) click 1
sleep 0.3
xdotool key Up Return
wait_gone " Альбом для рисования" || fail "EndPaint left the album open"
sleep 0.3
IFS=, read -r r g b <<<"$(pixel $((lx + 24 + 20)) $((ly + 32 + 150)))"
[ "$r" -gt 240 ] && [ "$b" -lt 230 ] || fail "no cartoon on Lesson 5 ($r,$g,$b)"
[ -z "$(ls -A "$work")" ] || fail "the program wrote into its working folder"
rmdir "$work"
echo "1 passed, 0 failed"
