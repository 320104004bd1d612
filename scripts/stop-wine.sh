#!/usr/bin/env bash
# Ends what tests/host/wine-run.sh keeps running for a test suite.
export WINEPREFIX="${KOVRA_WINEPREFIX:-/tmp/kovra-wine-$(id -u)}"
display="${KOVRA_DISPLAY:-:77}"
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true  # gone before anyone starts the next
pkill -f "Xvfb $display " 2>/dev/null || true
