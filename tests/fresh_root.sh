#!/usr/bin/env bash
# tools/fresh_root as a run that goes wrong meets it: an unknown step is refused before anything is
# made; a step fails when any of its commands fails; a run ended from outside ends at once; and
# however it ends, its root and the processes in it go, also where TMPDIR is spelled with a
# trailing slash. Needs root and the base root of Debian 13, which a run of fresh_root made.
set -u
fresh_root=$(dirname "$0")/../tools/fresh_root
export TMPDIR=$(mktemp -d)/
trap 'rm -rf "$TMPDIR"' EXIT
failed=0
check() { eval "$2" || { echo "FAIL: $1"; failed=$((failed + 1)); }; }
gone() { ! compgen -G "${TMPDIR}fresh-*/root" >/dev/null; }

timeout 10 "$fresh_root" 13 tset 2>/dev/null
check "an unknown step refused, nothing made" "[ $? -eq 2 ] && ! compgen -G '${TMPDIR}fresh-*'"
"$fresh_root" 13 'sh=false; true' &>"${TMPDIR}failed.log"
check "a failed first command fails its step; the root goes" "[ $? -ne 0 ] && grep -q '^sh=false; true FAILED' ${TMPDIR}failed.log && gone"

"$fresh_root" 13 'sh=sleep 600' &>"${TMPDIR}run.log" &
for _ in $(seq 60); do grep -q '^== trixie: sh' "${TMPDIR}run.log" && break; sleep 1; done
sleep 2
kill -TERM $!
timeout 30 tail --pid=$! -f /dev/null
check "a run ended from outside, in its step, ends, its root and processes gone" \
    "grep -q '^== trixie: sh' ${TMPDIR}run.log && ! kill -0 $! 2>/dev/null && gone && ! ls -l /proc/[0-9]*/root 2>/dev/null | grep -qF '${TMPDIR%/}'"
echo "$((3 - failed)) passed, $failed failed"
[ $failed -eq 0 ]
