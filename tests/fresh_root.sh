#!/usr/bin/env bash
# tools/fresh_root as a run that goes wrong meets it: an unknown step is refused before anything is
# made; a step fails when any of its commands fails; a run ended from outside ends at once; and
# however it ends, its root and the processes in it go, also where TMPDIR is spelled with a
# trailing slash. Needs root and the base root of Debian 13, which a run of fresh_root made.
#   tests/fresh_root.sh
set -u
fresh_root=$(cd "$(dirname "$0")/.." && pwd)/tools/fresh_root
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export TMPDIR=$tmp/
passed=0 failed=0
check() { # what, then the command that holds when it is right
    if eval "$2"; then passed=$((passed + 1)); else echo "FAIL: $1"; failed=$((failed + 1)); fi
}
left() { compgen -G "$tmp/fresh-*/root" >/dev/null; }
living() { for process in /proc/[0-9]*; do [[ $(readlink "$process/root" 2>/dev/null) != "$tmp"/* ]] || return 0; done; return 1; }

timeout 10 "$fresh_root" 13 tset 2>/dev/null
check "an unknown step is refused" "[ $? -eq 2 ]"
check "a refused run makes nothing" "! compgen -G '$tmp/fresh-*' >/dev/null"

"$fresh_root" 13 'sh=false; true' >/dev/null 2>&1
check "a step whose first command fails has failed" "[ $? -ne 0 ]"
check "the failed run's root is gone" "! left"

"$fresh_root" 13 'sh=sleep 600' >"$tmp/ended.log" 2>&1 &
run=$!
for _ in $(seq 60); do grep -q '^== trixie: sh' "$tmp/ended.log" && break; sleep 1; done
sleep 2
kill -TERM $run
for _ in $(seq 30); do kill -0 $run 2>/dev/null || break; sleep 1; done
check "a run ended from outside ends within 30 s" "! kill -0 $run 2>/dev/null"
check "its root is gone" "! left"
check "no process is left in it" "! living"
kill -KILL $run 2>/dev/null

echo "$passed passed, $failed failed"
[ $failed -eq 0 ]
