#!/usr/bin/env bash
# Starts the real program, opens Lesson 1 from the menu and goes back, once in the sample folder
# and once in a folder without media, where the lesson shows its warning text.
here=$(cd "$(dirname "$0")" && pwd)
source "$here/lib.sh"
binary=$1
sample=$2
start_display

run_once() {  # $1: working directory; $2: whether the media folder is there
  (cd "$1" && exec "$binary") &
  program=$!
  menu=$(wait_window Form1) || fail "no menu window"
  read -r x y < <(origin "$menu")
  [ "$x" -eq $(((1024 - 416) / 2)) ] && [ "$y" -eq $(((768 - 320) / 2)) ] || fail "menu at $x,$y, not centred"

  click_twips "$menu" $((4920 + 855 / 2)) $((1440 + 375 / 2))  # Урок 1
  lesson=$(wait_window "     Урок 1") || fail "no Lesson 1 window"
  wait_gone Form1 || fail "the menu stayed visible"
  sleep 0.3
  read -r lx ly < <(origin "$lesson")
  # The textbook viewer's rows below its first lines: empty when it shows the warning text.
  ink=$(import -window root png:- | convert - -crop 360x260+$((lx + 12))+$((ly + 60)) -colorspace gray \
        -threshold 60% -format '%[fx:int((1-mean)*w*h)]' info:)
  if [ "$2" = no-media ]; then
    [ "$ink" -lt 20 ] || fail "expected only the warning text, found $ink dark pixels below it"
  fi

  click_twips "$lesson" $((8160 + 1095 / 2)) $((5400 + 375 / 2))  # Назад
  wait_window Form1 >/dev/null || fail "Back did not bring the menu back"
  wait_gone "     Урок 1" || fail "the lesson stayed visible"
  kill "$program"
  wait "$program" 2>/dev/null || true
  program=
}

[ -d "$sample" ] && run_once "$sample" media  # the bundled folder, where the checkout has it
empty=$(mktemp -d)
run_once "$empty" no-media
rmdir "$empty"
echo "1 passed, 0 failed"
