#!/usr/bin/env bash
# Ends what tests/host/wine-run.sh keeps running for a test suite: the prefix's
# wineserver and the Xvfb it started, by the process id it wrote down.
export WINEPREFIX="${KOVRA_WINEPREFIX:-/tmp/kovra-wine-$(id -u)}"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true  # gone before anyone starts the next
pidfile="$WINEPREFIX.xvfb-pid"
if [ -f "$pidfile" ]; then
  kill "$(cat "$pidfile")" 2>/dev/null || true
  rm -f "$pidfile"
fi
