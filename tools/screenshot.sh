#!/usr/bin/env bash
# Starts the real program on a private X server (Xvfb), runs an experiment with 27 through the real
# input dialog, and saves a screenshot of the window: tools/screenshot.sh [program] [out.png]
set -euo pipefail
cd "$(dirname "$0")/.."
program=${1:-build/default/bin/collatz}
out=${2:-docs/screenshot.png}

for package in xvfb xauth xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if [ -n "${missing[*]:-}" ]; then
    sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update && "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

export LC_ALL=C.UTF-8 # xdotool matches the Japanese window names in the locale's encoding
display=:$((90 + RANDOM % 400))
Xvfb "$display" -screen 0 760x580x24 -nolisten tcp &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

unset QT_QPA_PLATFORM
"$program" &
app=$!
window=$(xdotool search --sync --name 'Veltrumの問題')
sleep 1
xdotool key --window "$window" Return          # 実　験 has the focus
dialog=$(xdotool search --sync --name 'Veltrum の問題')
sleep 0.5
xdotool type --delay 50 '27'
xdotool key Return
sleep 1.5
mkdir -p "$(dirname "$out")"
import -window "$window" "$out"
echo "saved $out"
