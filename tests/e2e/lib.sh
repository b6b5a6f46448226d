# Helpers for driving the real program: a private Xvfb with a window manager, and waiting on windows.
set -euo pipefail

start_display() {
  exec 3< <(exec Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
  xvfb=$!
  read -r display <&3
  export DISPLAY=":$display"
  export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
  unset QT_QPA_PLATFORM
  openbox >/dev/null 2>&1 &
  wm=$!
  trap stop_all EXIT
  sleep 0.5
}

stop_all() {
  [ -n "${program:-}" ] && kill "$program" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  stop_pulse
}

fail() {
  echo "FAIL: $*" >&2
  import -window root "${TMPDIR:-/tmp}/e2e-failure.png" 2>/dev/null && echo "screen: ${TMPDIR:-/tmp}/e2e-failure.png" >&2
  exit 1
}

# Prints the id of the visible window whose title is exactly $1, waiting up to 10 s.
wait_window() {
  local id
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Waits until no visible window has the title $1.
wait_gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}

# Client-area origin of a window on the screen, "X Y" (xdotool's own figure counts the frame twice).
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF} END{print x, y}'; }

# Left click at twips (x, y) of a window's client area.
click_twips() {
  read -r ox oy < <(origin "$1")
  xdotool mousemove $((ox + $2 / 15)) $((oy + $3 / 15)) click 1
}

# The menu hot spot that opens the screen titled $1, or the "silence" and "exit" spots: left, top,
# width and height in twips.
menu_spot() {
  case "$1" in
    "     Введение") echo 4320 480 1455 375 ;;
    "     До уроков") echo 4320 960 1455 375 ;;
    "     Урок 1") echo 4920 1440 855 375 ;;
    "     Урок 2") echo 4920 1800 855 495 ;;
    "     Урок 3") echo 4920 2280 855 375 ;;
    "     Урок 4") echo 4920 2760 855 375 ;;
    "     Урок 5") echo 4920 3240 855 375 ;;
    "     После уроков") echo 4320 3600 1455 495 ;;
    " Velmaro") echo 4320 4080 495 495 ;;
    silence) echo 4320 3120 480 480 ;;
    exit) echo 4920 4080 855 495 ;;
    *) return 1 ;;
  esac
}

# Clicks the hot spot for $2 on the menu window $1.
click_menu() {
  # shellcheck disable=SC2046
  click_free "$1" $(menu_spot "$2")
}

# Back on the lesson window $1 titled $2: the lesson goes and the menu comes back.
back_to_menu() {
  click_free "$1" 8160 5400 1095 375
  wait_window Form1 >/dev/null || fail "Back on '$2' did not bring the menu back"
  wait_gone "$2" || fail "'$2' stayed visible after Back"
}

# A point of window $1 within the rectangle left $2, top $3, width $4, height $5 (twips), as screen
# pixels "X Y": its centre or, where the guide character or its speech balloon stands in front of
# that, another of its points that they leave free; where they cover it all, the point once they
# have moved or gone (a child clicks beside the guide, or waits for the balloon to go).
point_free() {
  local rects fx fy x y ox oy
  for _ in $(seq 40); do
    rects=$(guide_rects "$1")
    read -r ox oy < <(origin "$1")
    for fy in 50 30 70 15 85; do
      for fx in 50 30 70 15 85; do
        x=$((($2 + $4 * fx / 100) / 15))
        y=$((($3 + $5 * fy / 100) / 15))
        if ! awk -v x="$x" -v y="$y" -F '[ ,]' '$1 <= x && x <= $3 && $2 <= y && y <= $4 {hit=1} END {exit !hit}' <<<"$rects"; then
          echo $((ox + x)) $((oy + y))
          return 0
        fi
      done
    done
    sleep 0.5
  done
  fail "the guide covers every place of $2,$3 ${4}x$5 for 20 s"
}

# A left click (or button $6) at a free point of a rectangle of window $1, as point_free finds it.
click_free() {
  local x y
  read -r x y < <(point_free "$1" "$2" "$3" "$4" "$5")
  xdotool mousemove "$x" "$y" click "${6:-1}"
}

# Moves the pointer off every window, so that no tooltip or hover look is in a picture.
park_pointer() { xdotool mousemove 1023 767; }

# The places of the guide character's windows, which walk over the desktop on their own, relative
# to window $1's client area: one "x0,y0 x1,y1" a line.
guide_rects() {
  local ox oy g gx gy gw gh
  read -r ox oy < <(origin "$1")
  for g in $(xdotool search --onlyvisible --name '^guide( balloon)?$' 2>/dev/null || true); do
    read -r gx gy < <(origin "$g")
    read -r gw gh < <(xwininfo -id "$g" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w, h}')
    echo "$((gx - ox)),$((gy - oy)) $((gx - ox + gw)),$((gy - oy + gh))"
  done
}

# Waits (up to 3 s) until the guide's windows stand still over window $1.
guide_still() {
  local last now
  last=$(guide_rects "$1")
  for _ in $(seq 30); do
    sleep 0.1
    now=$(guide_rects "$1")
    [ "$now" = "$last" ] && return 0
    last=$now
  done
}

# Paints the rectangles on standard input black in picture $1.
paint_out() {
  local r
  while read -r r; do convert "$1" -fill black -draw "rectangle $r" "$1"; done
}

# Writes the client area of window $1 (size $3, "WxH") to picture $2, the guide's places painted
# out.
client_shot() {
  local ox oy before
  read -r ox oy < <(origin "$1")
  before=$(guide_rects "$1")
  import -window root png:- | convert - -crop "$3+$ox+$oy" +repage "$2"
  { echo "$before"; guide_rects "$1"; } | grep . | sort -u >"$2.guide" || true
  paint_out "$2" <"$2.guide"
}

# Whether something moves in window $1 (size $2) but the guide: of three pictures taken 130 ms
# apart, two differ.
moving() {
  local dir
  dir=$(mktemp -d)
  for i in 1 2 3; do
    client_shot "$1" "$dir/$i.png" "$2"
    sleep 0.13
  done
  # What the guide covered in any of them is left out of all.
  cat "$dir"/*.guide >"$dir/all"
  for i in 1 2 3; do paint_out "$dir/$i.png" <"$dir/all"; done
  local a b
  a=$(compare -metric AE "$dir/1.png" "$dir/2.png" null: 2>&1 || true)
  b=$(compare -metric AE "$dir/2.png" "$dir/3.png" null: 2>&1 || true)
  rm -rf "$dir"
  [ "${a%%.*}" != 0 ] || [ "${b%%.*}" != 0 ]
}

# Whether window $1 looks like the reference picture $2 (made by the screenshot command): the
# root-mean-square difference of the two, in thousandths, is below $3 (default 60), with the
# guide's places left out of both. Prints the difference; keeps the shot when it is too large.
looks_like() {
  local dir size rmse diff
  dir=$(mktemp -d)
  size=$(identify -format '%wx%h' "$2")
  guide_still "$1"
  client_shot "$1" "$dir/shot.png" "$size"
  cp "$2" "$dir/ref.png"
  paint_out "$dir/ref.png" <"$dir/shot.png.guide"
  rmse=$(compare -metric RMSE "$dir/shot.png" "$dir/ref.png" null: 2>&1 | sed -n 's/.*(\([0-9.e-]*\)).*/\1/p')
  diff=$(awk -v r="${rmse:-1}" 'BEGIN { printf "%d", r * 1000 }')
  echo "$diff"
  if [ "$diff" -ge "${3:-60}" ]; then
    cp "$dir/shot.png" "${TMPDIR:-/tmp}/e2e-mismatch-$(basename "$2")"
    rm -rf "$dir"
    return 1
  fi
  rm -rf "$dir"
}

# A private PulseAudio server whose one sink is a null sink: its monitor shows what was played.
start_pulse() {
  pulse_dir=$(mktemp -d)
  export PULSE_RUNTIME_PATH=$pulse_dir PULSE_SERVER=unix:$pulse_dir/native
  pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --log-level=error \
    -L module-native-protocol-unix -L "module-null-sink sink_name=e2e" >/dev/null 2>&1 &
  pulse=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
  return 1
}

stop_pulse() {
  [ -n "${pulse:-}" ] && kill "$pulse" 2>/dev/null || true
  pulse=
  [ -z "${pulse_dir:-}" ] || rm -rf "$pulse_dir"
}

# How loud the sink was during the next $1 seconds: the RMS amplitude in thousandths.
loudness() {
  local raw=${TMPDIR:-/tmp}/e2e-heard.$$.raw
  timeout "$1" parec -d e2e.monitor --format=s16le --channels=1 --rate=22050 --raw >"$raw" || true
  sox -t raw -r 22050 -e signed -b 16 -c 1 "$raw" -n stat 2>&1 |
    awk '/RMS +amplitude/ { printf "%d\n", $3 * 1000 }'
  rm -f "$raw"
}
