#!/usr/bin/env bash
# Plays both chimes through the program's sound layer into a private PulseAudio server with a null
# sink, records the sink and checks with sox that each recording holds the chime's sound, as long as
# the file's. Skips (exit 77) where no such server can be started.
# usage: audio_chimes.sh <play_chime> <folder with pinpon.wav and endpinpon.wav>
set -u
player=$1 folder=$2
for tool in pulseaudio pactl parec sox; do
    command -v $tool >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$tmp"' EXIT

# A server of our own, reachable only through its socket in the temporary folder.
export HOME=$tmp XDG_RUNTIME_DIR=$tmp PULSE_RUNTIME_PATH=$tmp/pulse PULSE_SERVER=unix:$tmp/native
unset DISPLAY
pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
    --load="module-null-sink sink_name=chimes rate=44100 channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$tmp/native" >"$tmp/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink chimes || { echo "SKIP: the server did not start:"; cat "$tmp/server.log"; exit 77; }

# Seconds of sound in a file, the silence at both ends left out.
sound_length() {
    sox "$1" "$tmp/trimmed.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse && soxi -D "$tmp/trimmed.wav"
}

failed=0
for chime in pinpon endpinpon; do
    parec -d chimes.monitor --file-format=wav --rate=44100 --channels=1 "$tmp/$chime.wav" &
    sleep 0.3
    "$player" "$folder/$chime.wav" || failed=1
    sleep 0.3
    kill -INT $!
    wait $!
    file=$(sound_length "$folder/$chime.wav") heard=$(sound_length "$tmp/$chime.wav")
    echo "$chime: the file sounds ${file}s, the recording ${heard}s"
    awk -v f="$file" -v h="$heard" 'BEGIN { exit !(f > 0.5 && h > f - 0.25 && h < f + 0.25) }' || failed=1
done

# A stalled server holds up only the sound thread: the player still ends, and ends cleanly.
kill -STOP $server
timeout 20 "$player" "$folder/pinpon.wav"
status=$?
kill -CONT $server
echo "with the server stalled the player ended with status $status"
[ $status -eq 0 ] || [ $status -eq 3 ] || failed=1
exit $failed
