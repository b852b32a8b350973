# Sourced by the tests with sound and by the screen reader trial: start_sound_server <folder> starts
# a sound server of our own, reachable only through its sockets in that folder, with a null sink named
# chimes as the default sink, and sets the environment of its clients (HOME and the runtime folders
# go there too). The server is PulseAudio, or PipeWire with its PulseAudio layer where that is what the machine has.
# Returns 1, with the reason in $sound_server_problem, where neither can be started.
start_sound_server() {
    local tmp=$1
    export HOME=$tmp XDG_RUNTIME_DIR=$tmp PULSE_RUNTIME_PATH=$tmp/pulse PULSE_SERVER=unix:$tmp/pulse/native
    if type -P pulseaudio >/dev/null; then
        pulseaudio -n --daemonize=no --exit-idle-time=-1 --load=module-native-protocol-unix &>"$tmp/log" &
    elif type -P pipewire-pulse wireplumber dbus-daemon >/dev/null; then
        # WirePlumber, which links the streams to the sink, needs a session bus: a private one.
        export DBUS_SESSION_BUS_ADDRESS=unix:path=$tmp/bus
        dbus-daemon --session --nofork --address=$DBUS_SESSION_BUS_ADDRESS &>/dev/null &
        pipewire &>"$tmp/log" &
        for _ in $(seq 50); do [ -S "$tmp/bus" ] && [ -S "$tmp/pipewire-0" ] && break; sleep 0.1; done
        wireplumber &>>"$tmp/log" &
        pipewire-pulse &>>"$tmp/log" &
    else
        sound_server_problem="no PulseAudio, nor PipeWire with pipewire-pulse, wireplumber and dbus-daemon"
        return 1
    fi
    sound_server=$!
    for _ in $(seq 50); do pactl info &>/dev/null && break; sleep 0.1; done
    pactl load-module module-null-sink sink_name=chimes rate=44100 channels=1 >/dev/null && pactl set-default-sink chimes ||
        { sound_server_problem="the sound server did not start: $(cat "$tmp/log")"; return 1; }
}
