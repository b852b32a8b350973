#!/usr/bin/env bash
# Starts an installed program on the offscreen platform and checks that it prints its explanation,
# finds both wave files in its installed data folder, and ends cleanly on SIGTERM.
# usage: installed_program.sh <prefix>
set -u
prefix=$1
program=$prefix/bin/collatz
log=$(mktemp)
trap 'rm -f "$log"; [ -n "${app:-}" ] && kill "$app" 2>/dev/null' EXIT

[ -x "$program" ] || { echo "FAIL: $program is not installed"; exit 1; }
for file in share/applications/jp.veltrum.Collatz.desktop share/metainfo/jp.veltrum.Collatz.metainfo.xml \
            share/icons/hicolor/32x32/apps/jp.veltrum.Collatz.png share/icons/hicolor/scalable/apps/jp.veltrum.Collatz.svg \
            share/collatz/pinpon.wav share/collatz/endpinpon.wav; do
    [ -s "$prefix/$file" ] || { echo "FAIL: $prefix/$file is missing"; exit 1; }
done

# From another working directory, so the wave files cannot be found there by chance.
cd /
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='collatz.*.debug=true' "$program" >"$log" 2>&1 &
app=$!
for _ in $(seq 100); do grep -q 'explanation printed' "$log" && break; sleep 0.1; done
kill -TERM "$app"
wait "$app"
status=$?
app=
cat "$log"

failed=0
grep -q 'explanation printed: 9 lines' "$log" || { echo "FAIL: the nine lines of the explanation were not printed"; failed=1; }
for chime in pinpon.wav endpinpon.wav; do
    grep -qF "wave file $chime found at $prefix/share/collatz/$chime" "$log" ||
        { echo "FAIL: $chime was not found in $prefix/share/collatz"; failed=1; }
done
[ "$status" -eq 0 ] || { echo "FAIL: the program ended with status $status"; failed=1; }
[ $failed -eq 0 ] && echo "the installed program starts, finds its chimes and ends cleanly"
exit $failed
