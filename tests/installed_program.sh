#!/usr/bin/env bash
# Checks an installed program: its files are in place; started from another folder on the offscreen
# platform it prints its explanation, finds both chimes in its data folder and ends with status 0 on
# SIGTERM, and on the SIGHUP that a session's end also sends; without a display it can use it says
# which in one line and ends with status 1.
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
for file in bin/collatz share/{applications/$id.desktop,metainfo/$id.metainfo.xml} share/doc/collatz/{copyright,changelog.gz,guide-ja.html} \
            share/icons/hicolor/{32x32/apps/$id.png,scalable/apps/$id.svg} share/collatz/{pinpon,endpinpon}.wav \
            share/man/{,ja/}man1/collatz.1.gz; do
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
# Displays that cannot be used: none at all, an X display that is not there, a Wayland socket that
# no compositor listens on any more (left behind by one that has gone).
runtime=$(mktemp -d)
perl -MIO::Socket::UNIX -e 'IO::Socket::UNIX->new(Local => $ARGV[0], Listen => 1) or die' "$runtime/wayland-9"
while IFS='|' read -r display said; do
    log=$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" $display "$prefix/bin/collatz" 2>&1)
    status=$?
    [ $status -eq 1 ] && [ "$log" = "collatz: $said" ] || fail "with \"$display\" it said \"$log\" and ended with status $status"
done <<EOF
|no graphical display was found (DISPLAY and WAYLAND_DISPLAY are unset); start it from a desktop session.
DISPLAY=:59999|the X display :59999 cannot be reached and WAYLAND_DISPLAY is unset.
WAYLAND_DISPLAY=wayland-9|DISPLAY is unset and the Wayland display wayland-9 cannot be reached.
EOF
rm -r "$runtime"
