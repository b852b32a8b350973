#!/usr/bin/env bash
# Runs the page's tests in one browser: run.sh <chromium|firefox|webkit> <site folder> <folder of the
# desktop's wave files> on a private X display (WebKit's MiniBrowser has no headless mode) with a private sound server
# (Firefox starts no sound without one), through node's test runner.
set -u
here=$(cd "$(dirname "$0")" && pwd)
browser=$1 site=$(realpath "$2") chimes=$(realpath "$3")
[ -d "$here/../../node_modules/puppeteer-core" ] || { echo "FAIL: no node_modules: run npm ci (tools/dev web does)"; exit 1; }
tmp=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait; rm -rf "$tmp"' EXIT
source "$here/../../tools/sound_server.sh"
start_sound_server "$tmp" || { echo "FAIL: $sound_server_problem"; exit 1; }
export DISPLAY=:$((500 + RANDOM % 400))
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp &>/dev/null &
for _ in $(seq 50); do [ -S "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
cd "$here"
export COLLATZ_BROWSERS=$browser COLLATZ_SITE=$site COLLATZ_CHIMES=$chimes
failed=0
for flow in ./*.test.mjs; do # one at a time: one browser at a time on the display
    node --test "$flow" || failed=1
done
exit $failed
