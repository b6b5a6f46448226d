# A private PulseAudio server with one null sink, whose monitor shows what was played.
# Defines start_pulse, record (into $1, in the background) and stop_pulse.
start_pulse() {
  export XDG_RUNTIME_DIR=$(mktemp -d)
  export PULSE_RUNTIME_PATH=$XDG_RUNTIME_DIR/pulse
  pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-level=error \
    -L module-native-protocol-unix -L "module-null-sink sink_name=guide_test" &
  pulse=$!
  for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl info >/dev/null 2>&1 || { echo "FAIL: no PulseAudio server" >&2; return 1; }
  # A null sink left alone renders in blocks of up to two seconds, late and cut off when a
  # client leaves; a silent low-latency stream keeps it rendering in small blocks, as a sound
  # card does.
  pacat --latency-msec=10 --format=s16le --channels=1 --rate=22050 </dev/zero &
  busy=$!
  sleep 1
}

# Raw 16-bit mono samples at 22050 Hz from the null sink's monitor.
record() {
  parec -d guide_test.monitor --format=s16le --channels=1 --rate=22050 --latency-msec=5 --raw >"$1" &
  recorder=$!
  sleep 0.3
}

stop_pulse() {
  [ -n "${recorder:-}" ] && kill "$recorder" 2>/dev/null
  [ -n "${busy:-}" ] && kill "$busy" 2>/dev/null
  [ -n "${pulse:-}" ] && kill "$pulse" 2>/dev/null
  [ -n "${pulse:-}" ] && wait "$pulse" 2>/dev/null
  rm -rf "$XDG_RUNTIME_DIR"
}
