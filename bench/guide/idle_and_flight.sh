#!/usr/bin/env bash
# Benchmark: CPU use of the guide standing still (goal: under 1 % of a core) and frames per second
# while it flies (goal 60, at least 30), under Xvfb without and with a compositing manager.
# Usage: bench/guide/idle_and_flight.sh [BUILD_DIR] [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
seconds=${2:-20}
ninja -C "$build" guidedemo >/dev/null
source "$here/../../tests/e2e/lib.sh"
start_display
xserver=$xvfb  # the one start_display started
demo=$build/tools/guidedemo/guidedemo
ticks=$(getconf CLK_TCK)

cpu_of() {  # user + system ticks of process $1
  awk '{print $14 + $15}' "/proc/$1/stat"
}

measure() {  # $1: label
  "$demo" --stand $((seconds + 6)) 2>/dev/null &
  local pid=$!
  sleep 3  # shown, settled
  local before after xbefore xafter
  before=$(cpu_of "$pid")
  xbefore=$(cpu_of "$xserver")
  sleep "$seconds"
  after=$(cpu_of "$pid")
  xafter=$(cpu_of "$xserver")
  wait "$pid" || true
  awk -v t=$((after - before)) -v x=$((xafter - xbefore)) -v hz="$ticks" -v s="$seconds" -v l="$1" \
    'BEGIN {printf "%s: standing still %.2f %% of a core (the X server %.2f %%)\n", l,
            100 * t / hz / s, 100 * x / hz / s}'
  echo "$1: flying $("$demo" --fly "$seconds" 2>/dev/null)"
}

measure "no compositor"
if command -v xcompmgr >/dev/null; then
  xcompmgr >/dev/null 2>&1 &
  comp=$!
  sleep 0.5
  measure "xcompmgr"
  kill "$comp"
fi
