#!/usr/bin/env bash
# Builds the program (the x86_64 Windows build) and runs it under Wine: on the current
# $DISPLAY when there is one, otherwise on a private Xvfb, leaving a screenshot behind.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target Pelanto -j "$(nproc)"

# A prefix of the build's own, never the user's.
export WINEPREFIX="$PWD/build/run-prefix" WINEDEBUG=-all
export WINEDLLOVERRIDES='mscoree,mshtml=;winemenubuilder.exe=d'
program="$PWD/build/win64/Pelanto.exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  [ -d "$WINEPREFIX" ] || env LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1
  exec env LC_ALL=zh_CN.UTF-8 wine "$program" "$@"
fi

displayfile=$(mktemp)
exec 3>"$displayfile"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
xvfb=$!
exec 3>&-
trap 'wineserver -k 2>/dev/null || true; kill $xvfb 2>/dev/null || true; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$displayfile")"
[ -d "$WINEPREFIX" ] || env LC_ALL=zh_CN.UTF-8 wineboot -i >/dev/null 2>&1

env LC_ALL=zh_CN.UTF-8 wine "$program" "$@" &
sleep "${PELANTO_RUN_SECONDS:-12}"
screenshot="$PWD/build/screenshot.png"
import -window root "$screenshot"
echo "Pelanto ran on a private display; screenshot: $screenshot"
