#!/usr/bin/env bash
# Runs a program of the Windows build under Wine; CTest calls it for every test of that build:
#   wine_run.sh <Wine prefix> <folder with DLLs>... -- <program.exe> [arguments]
# The prefix is made on first use. Wine hands no QT_* variable to a Windows program, but hands
# WINEQT_* on as QT_*: each QT_* setting (QT_QPA_PLATFORM=offscreen above all) goes that way, or a
# suite meant for the offscreen platform would silently open real windows.
set -eu
export WINEPREFIX=$1
shift
path=
while [ "$1" != -- ]; do
    path+="Z:$1;"
    shift
done
shift
# No prompts to install Mono or Gecko.
export WINEPATH=$path WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
# Qt on Windows sends messages to the debugger's channel unless told to use the standard streams.
export QT_FORCE_STDERR_LOGGING=${QT_FORCE_STDERR_LOGGING:-1}
for name in $(compgen -e QT_ || true); do
    export "WINE$name=${!name}"
done
# Qt's offscreen platform on Windows looks for fonts only inside Qt; give it a Japanese one.
if [ "${QT_QPA_PLATFORM:-}" = offscreen ] && [ -z "${QT_QPA_FONTDIR:-}" ]; then
    export WINEQT_QPA_FONTDIR=Z:/usr/share/fonts/opentype/ipafont-gothic
fi
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init >/dev/null 2>&1
# The previous test's wineserver lingers a few seconds before it ends; a client that reaches it as
# it ends fails at once ("recvmsg: Connection reset by peer"). Wait for it to end first.
wineserver -w
exec wine "$@"
