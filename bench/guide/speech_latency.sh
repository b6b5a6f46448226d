#!/usr/bin/env bash
# Benchmark: time from "Speak" to the first sound at a PulseAudio null sink, for a ten-word
# sentence, over several runs (goal: under 150 ms). The recorder adds its own few milliseconds.
# Usage: bench/guide/speech_latency.sh [BUILD_DIR] [RUNS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build}
runs=${2:-5}
ninja -C "$build" guidesay >/dev/null
source "$here/../../tests/guide/pulse.sh"
start_pulse
trap stop_pulse EXIT
sentence="Вот некоторые объекты Visual Basic, наведи на них указатель мыши."
for warm in 500 0; do
  for _ in $(seq "$runs"); do
    # The wall clock time of the first sample above a whisper on the sink's monitor.
    parec -d guide_test.monitor --format=s16le --channels=1 --rate=22050 --latency-msec=2 --raw |
      python3 -c '
import sys, time, struct
while True:
    block = sys.stdin.buffer.read(44)
    if not block: break
    if max(abs(v) for v in struct.unpack("<22h", block)) > 300:
        print(int(time.time() * 1e6)); break
' >/tmp/guide-first-sound.$$ &
    reader=$!
    sleep 0.3
    said=$("$build/tools/guidesay/guidesay" --warm-up "$warm" "$sentence" 2>/dev/null | sed -n 's/said_at_us=//p')
    wait "$reader" 2>/dev/null || true
    pkill -P $$ parec 2>/dev/null || true
    first=$(cat /tmp/guide-first-sound.$$)
    echo "warm-up ${warm} ms: $(((first - said) / 1000)) ms to the first sound"
  done
done
rm -f /tmp/guide-first-sound.$$
