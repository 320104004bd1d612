#!/usr/bin/env bash
# Ends what tests/host/wine-run.sh keeps running for a test suite: the servers
# of its prefixes (32-bit, and the x64 one where that was used) and the Xvfb it
# started, by the process id it wrote down.
prefix="${KOVRA_WINEPREFIX:-/tmp/kovra-wine-$(id -u)}"
for WINEPREFIX in "$prefix" "$prefix-win64"; do
  [ -d "$WINEPREFIX" ] || continue
  export WINEPREFIX
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true  # gone before anyone starts the next
done
if [ -f "$prefix.xvfb-pid" ]; then
  kill "$(cat "$prefix.xvfb-pid")" 2>/dev/null || true
  rm -f "$prefix.xvfb-pid"
fi
