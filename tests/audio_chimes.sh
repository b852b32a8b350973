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

source "$(dirname "$0")/sound_server.sh"
start_sound_server "$tmp" || { echo "SKIP: $sound_server_problem"; exit 77; }
echo "sound server: $(pactl info | grep '^Server Name')"

# Seconds of sound in a file, the silence at both ends left out.
sound_length() {
    sox "$1" "$tmp/trimmed.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse && soxi -D "$tmp/trimmed.wav"
}

failed=0
for chime in pinpon endpinpon; do
    parec --latency-msec=20 -d chimes.monitor --file-format=wav --channels=1 "$tmp/$chime.wav" &
    sleep 0.3
    "$player" "$folder/$chime.wav" || failed=1
    sleep 0.3
    kill -INT $!
    wait $!
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
