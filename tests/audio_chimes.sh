#!/usr/bin/env bash
# Plays both chimes through the program's sound layer into a private sound server with a null sink,
# records the sink and checks with sox that each recording holds the chime's sound, as long as the
# file's; then plays one with the server stalled. The server is PulseAudio, or PipeWire with its
# PulseAudio layer where that is what the machine has. Skips (exit 77) where neither can be started.
# usage: audio_chimes.sh <play_chime> <folder with pinpon.wav and endpinpon.wav>
set -u
player=$1 folder=$2
type -P pactl parec sox >/dev/null || { echo "SKIP: pactl, parec or sox is not installed"; exit 77; }
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$tmp"' EXIT

source "$(dirname "$0")/../tools/sound_server.sh"
start_sound_server "$tmp" || { echo "SKIP: $sound_server_problem"; exit 77; }
echo "sound server: $(pactl info | grep '^Server Name')"

# Seconds of sound in a file, the silence at both ends left out.
sound_length() {
    sox "$1" "$tmp/trimmed.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse && soxi -D "$tmp/trimmed.wav"
}

# Bytes recorded so far: 44100 two-byte samples a second.
recorded() { stat -c %s "$1"; }

failed=0
for chime in pinpon endpinpon; do
    # The recording starts once the recorder is connected, and ends once a further 0.3 s of sound
    # has arrived after the player ended: it waits on the data, not on the clock.
    parec --raw --latency-msec=20 -d chimes.monitor --format=s16le --rate=44100 --channels=1 "$tmp/$chime.raw" &
    for _ in $(seq 100); do pactl list short source-outputs | grep -q . && break; sleep 0.05; done
    "$player" "$folder/$chime.wav" || failed=1
    tail=$(($(recorded "$tmp/$chime.raw") + 26460))
    for _ in $(seq 200); do [ "$(recorded "$tmp/$chime.raw")" -ge $tail ] && break; sleep 0.05; done
    kill -INT $!
    wait $!
    sox -t raw -r 44100 -e signed -b 16 -c 1 "$tmp/$chime.raw" "$tmp/$chime.wav"
    file=$(sound_length "$folder/$chime.wav") heard=$(sound_length "$tmp/$chime.wav")
    echo "$chime: the file sounds ${file}s, the recording ${heard}s"
    awk "BEGIN { exit !($file > 0.5 && $heard > $file - 0.25 && $heard < $file + 0.25) }" || failed=1
done

# A stalled server holds up only the sound thread: the player still ends, and ends cleanly.
kill -STOP $sound_server
timeout 20 "$player" "$folder/pinpon.wav"
status=$?
kill -CONT $sound_server
echo "with the server stalled the player ended with status $status"
[ $status -eq 0 ] || [ $status -eq 3 ] || failed=1
exit $failed
