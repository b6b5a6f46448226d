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
