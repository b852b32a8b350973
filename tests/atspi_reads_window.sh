#!/usr/bin/env bash
# Starts the program on a private X server with a private accessibility bus, runs an experiment with
# 11 through the real dialog, and reads the window through AT-SPI. Skips (exit 77) without the tools.
# usage: atspi_reads_window.sh <program> <reader.py>
set -u
program=$1
reader=$2
for tool in Xvfb xdotool dbus-run-session /usr/libexec/at-spi-bus-launcher /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

# xdotool matches window names in the locale's encoding; the names are Japanese.
export LC_ALL=C.UTF-8

session() {
    display=:$((500 + RANDOM % 400))
    Xvfb "$display" -screen 0 800x600x24 -nolisten tcp 2>/dev/null &
    local xvfb=$!
    export DISPLAY=$display
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
    /usr/libexec/at-spi-bus-launcher --launch-immediately 2>/dev/null &
    local bus=$!
    unset QT_QPA_PLATFORM
    QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" 2>/dev/null &
    local app=$!
    xdotool search --sync --name 'Veltrumの問題' >/dev/null
    sleep 0.5
    xdotool key Return                                   # 実　験 has the focus
    xdotool search --sync --name 'Veltrum の問題' >/dev/null
    sleep 0.3
    xdotool type 11
    xdotool key Return
    sleep 0.5
    /usr/bin/python3 "$reader"
    local status=$?
    kill "$app" "$bus" "$xvfb" 2>/dev/null
    return $status
}
export -f session
export program reader
timeout 60 dbus-run-session -- bash -c session 2> >(grep -v -E 'fd limit|dbus-daemon|SpiRegistry' >&2)
