#!/usr/bin/env bash
# Checks an installed program: its files are in place; started from another folder on the offscreen
# platform it prints its explanation, finds both chimes in its data folder and ends with status 0 on
# SIGTERM, and on the SIGHUP that a session's end also sends; with a display that is not there it
# says so in one line and ends with status 1.
# usage: installed_program.sh <prefix> | --from-build <build folder>
set -u
fail() { echo "FAIL: $*"; exit 1; }
if [ "$1" = --from-build ]; then
    prefix=$(mktemp -d)
    trap 'rm -rf "$prefix"' EXIT
    cmake --install "$2" --prefix "$prefix" >/dev/null || exit 1
else
    prefix=$1
fi
id=jp.veltrum.Collatz
for file in bin/collatz share/{applications/$id.desktop,metainfo/$id.metainfo.xml} share/doc/collatz/copyright \
            share/icons/hicolor/{32x32/apps/$id.png,scalable/apps/$id.svg} share/collatz/{pinpon,endpinpon}.wav; do
    [ -s "$prefix/$file" ] || fail "$prefix/$file is not installed"
done
log=$(cd / && QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='collatz.*.debug=true' timeout --preserve-status -s TERM 3 "$prefix/bin/collatz" 2>&1)
status=$?
echo "$log"
for line in "explanation printed: 9 lines" "wave file "{pinpon,endpinpon}".wav found at $(realpath "$prefix")/share/collatz/"; do
    grep -qF "$line" <<<"$log" || fail "no \"$line\""
done
[ $status -eq 0 ] || fail "SIGTERM ended it with status $status"
(cd / && QT_QPA_PLATFORM=offscreen timeout --preserve-status -s HUP 2 "$prefix/bin/collatz" &>/dev/null)
status=$?
[ $status -eq 0 ] || fail "SIGHUP ended it with status $status"
log=$(env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:59999 "$prefix/bin/collatz" 2>&1)
status=$?
[ $status -eq 1 ] && [[ $log == "collatz: "*":59999 "* ]] || fail "with DISPLAY=:59999 it said \"$log\" and ended with status $status"
