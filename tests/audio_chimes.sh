#!/usr/bin/env bash
# Plays both chimes through the program's control layer into a private PulseAudio server with a null
# sink, records the sink's monitor and checks with sox that each recording holds sound of about the
# chime's length. Skips (exit 77) when no PulseAudio server can be started here.
# usage: audio_chimes.sh <play_chime> <folder with pinpon.wav and endpinpon.wav>
set -u
player=$1
folder=$2

for tool in pulseaudio pactl parec sox; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

tmp=$(mktemp -d)
server=
recorder=
cleanup() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# A server of our own, reachable only through its socket in the temporary folder.
export HOME=$tmp XDG_RUNTIME_DIR=$tmp PULSE_RUNTIME_PATH=$tmp/pulse PULSE_SERVER=unix:$tmp/native
unset DISPLAY
pulseaudio --daemonize=no --exit-idle-time=-1 -n --use-pid-file=no --disable-shm=yes \
    --load="module-null-sink sink_name=chimes rate=44100 channels=1" \
    --load="module-native-protocol-unix auth-anonymous=1 socket=$tmp/native" >"$tmp/server.log" 2>&1 &
server=$!
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl info >/dev/null 2>&1; then
    echo "SKIP: the PulseAudio server did not start:"
    cat "$tmp/server.log"
    exit 77
fi
pactl set-default-sink chimes

# Length of the sound in a file once the silence at both ends is trimmed (threshold 1%).
sound_length() {
    sox "$1" "$tmp/trimmed.wav" silence 1 0.005 1% reverse silence 1 0.005 1% reverse 2>/dev/null
    soxi -D "$tmp/trimmed.wav" 2>/dev/null || echo 0
}

failed=0
for chime in pinpon endpinpon; do
    parec -d chimes.monitor --file-format=wav --format=s16le --rate=44100 --channels=1 "$tmp/$chime.rec.wav" &
    recorder=$!
    sleep 0.3
    "$player" "$folder/$chime.wav" || { echo "FAIL: $chime did not play"; failed=1; }
    sleep 0.3
    kill -INT "$recorder"; wait "$recorder" 2>/dev/null; recorder=

    expected=$(sound_length "$folder/$chime.wav")
    heard=$(sound_length "$tmp/$chime.rec.wav")
    rms=$(sox "$tmp/$chime.rec.wav" -n stat 2>&1 | awk '/RMS +amplitude/ {print $3}')
    echo "$chime: file sounds ${expected}s, recorded sound ${heard}s, RMS amplitude ${rms:-none}"
    if ! awk -v e="$expected" -v h="$heard" -v r="${rms:-0}" 'BEGIN { exit !(e > 0.5 && h > e - 0.25 && h < e + 0.25 && r > 0.01) }'; then
        echo "FAIL: the recording of $chime is not the chime"
        failed=1
    fi
done
[ $failed -eq 0 ] && echo "both chimes heard"
exit $failed
