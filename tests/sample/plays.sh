#!/usr/bin/env bash
# Decodes every sound and the video of the sample folder with the installed GStreamer plugins,
# and renders every piece of music with FluidSynth and the General MIDI sound font, checking that
# each one plays for as long as it should and is not silent.
# Usage: plays.sh SAMPLE_DIR
set -euo pipefail
sample=$1
soundfont=/usr/share/sounds/sf2/TimGM6mb.sf2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
passed=0
failed=0

check() {  # NAME CONDITION-TEXT: counts one result, printing the failures
    if [ "$2" = ok ]; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL $1: $2"; fi
}

# seconds and RMS amplitude of a WAV file, on one line
measure() {
    local stats
    stats=$(sox "$1" -n stat 2>&1)
    echo "$(awk '/^Length/ { print $3 }' <<<"$stats") $(awk '/^RMS +amplitude/ { print $3 }' <<<"$stats")"
}

# within SECONDS MIN MAX: ok when MIN <= SECONDS <= MAX
within() { awk -v s="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(s >= lo && s <= hi) }'; }

# A sound or the video, decoded to the end by GStreamer: its audio to a WAV file, its
# video frames counted. A stream that finds no decoder would stall the pipeline: bounded.
decode() {  # FILE -> WAV of its sound track in $tmp/out.wav
    timeout 60 gst-launch-1.0 -q filesrc location="$1" ! decodebin name=d \
        d. ! queue ! audioconvert ! audioresample ! audio/x-raw,format=S16LE,rate=22050,channels=1 \
        ! wavenc ! filesink location="$tmp/out.wav" "${@:2}"
}

for f in "$sample"/1.wav "$sample"/2.wav "$sample"/11.wav "$sample"/EVY/*.wav; do
    name=${f#"$sample"/}
    if ! decode "$f" 2>"$tmp/err"; then check "$name" "GStreamer cannot decode it: $(head -c 300 "$tmp/err")"; continue; fi
    read -r seconds rms < <(measure "$tmp/out.wav")
    if within "$seconds" 0.02 10 && within "$rms" 0.01 1; then check "$name" ok
    else check "$name" "decoded to $seconds s at RMS $rms"; fi
done

video=$sample/EVY/1.avi
info=$(gst-discoverer-1.0 "$video" 2>&1 || true)
if grep -q 'video #' <<<"$info" && grep -q 'audio #' <<<"$info"; then check 1.avi-streams ok
else check 1.avi-streams "no video and audio stream: $info"; fi
if decode "$video" d. ! queue ! videoconvert ! fakesink 2>"$tmp/err"; then
    read -r seconds rms < <(measure "$tmp/out.wav")
    if within "$seconds" 10 20 && within "$rms" 0.01 1; then check 1.avi ok
    else check 1.avi "sound track of $seconds s at RMS $rms"; fi
else
    check 1.avi "GStreamer cannot decode it: $(head -c 300 "$tmp/err")"
fi

# The course's own video needs no general-purpose codec library: it decodes with that plugin left
# out of a private plugin folder (the library would load a hundred more into the program).
plugins=$(pkg-config --variable=pluginsdir gstreamer-1.0 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/gstreamer-1.0)
mkdir "$tmp/plugins"
for p in "$plugins"/*.so; do [ "$(basename "$p")" = libgstlibav.so ] || ln -s "$p" "$tmp/plugins/"; done
if GST_PLUGIN_SYSTEM_PATH_1_0="$tmp/plugins" GST_REGISTRY_1_0="$tmp/registry.bin" \
    decode "$video" d. ! queue ! videoconvert ! fakesink 2>"$tmp/err"; then check 1.avi-small-decoders ok
else check 1.avi-small-decoders "needs the codec library: $(head -c 300 "$tmp/err")"; fi

for f in "$sample"/EVY/*.mid; do
    name=EVY/$(basename "$f")
    if ! fluidsynth -ni -q -r 22050 "$soundfont" "$f" -F "$tmp/music.wav" >/dev/null 2>"$tmp/err"; then
        check "$name" "FluidSynth cannot render it: $(head -c 300 "$tmp/err")"; continue
    fi
    read -r seconds rms < <(measure "$tmp/music.wav")
    if within "$seconds" 30 95 && within "$rms" 0.01 1; then check "$name" ok
    else check "$name" "rendered to $seconds s at RMS $rms"; fi
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
