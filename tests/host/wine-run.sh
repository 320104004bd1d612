#!/usr/bin/env bash
# Runs a Windows program under Wine the way the operators' machines run the host:
# a Russian locale (code page 1251, dd.MM.yyyy dates) and time zone, a private 32-bit prefix and
# an X display for the plug-in's windows. Used by CTest as the cross-compiling emulator.
#
# The prefix, wineserver and Xvfb are started once and kept for the whole suite
# (a cold prefix costs seconds per test); scripts/stop-wine.sh ends them. They are
# started with their output on /dev/null and without the lock, since a daemon that
# inherits CTest's pipe or the lock would keep everything after it waiting.
set -euo pipefail

# The operators' zone, three hours from UTC: a plug-in that took local time for
# the tour clock fails the tour tests here, which under UTC it would pass.
export WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 TZ=Europe/Moscow
export DISPLAY="${KOVRA_DISPLAY:-:77}"
prefix="${KOVRA_WINEPREFIX:-/tmp/kovra-wine-$(id -u)}"

# An x64 build (made where this machine cannot run 32-bit programs) gets a
# 64-bit prefix of its own; the machine field of the PE header tells.
pe_machine() {
  local at
  at=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ')
  od -An -tx2 -j$((at + 4)) -N2 "$1" | tr -d ' '
}
if [ -f "$1" ] && [ "$(pe_machine "$1" 2>/dev/null)" = 8664 ]; then
  export WINEPREFIX="$prefix-win64" WINEARCH=win64 WINELOADER=/usr/lib/wine/wine64
  wine=/usr/lib/wine/wine64
else
  export WINEPREFIX="$prefix" WINEARCH=win32
  wine=wine
fi

# KOVRA_DLL, a DLL for the test host to load instead of its own, may be given as a
# Unix path: the prefix's drive Z: is the root.
if [[ "${KOVRA_DLL:-}" == /* ]]; then export KOVRA_DLL="Z:${KOVRA_DLL//\//\\}"; fi

start_display() {
  local n="${DISPLAY#:}"
  local lock="/tmp/.X$n-lock"
  if [ -f "$lock" ] && kill -0 "$(tr -d ' ' < "$lock")" 2>/dev/null; then return; fi
  rm -f "$lock" "/tmp/.X11-unix/X$n"
  setsid Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 </dev/null 9>&- &
  echo $! > "$prefix.xvfb-pid"  # for scripts/stop-wine.sh
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && return; sleep 0.1; done
  echo "wine-run: Xvfb did not start on $DISPLAY" >&2; exit 1
}

prepare_prefix() {
  [ -f "$WINEPREFIX/.kovra-ready" ] && return
  "$wine" wineboot -i >/dev/null 2>&1 </dev/null 9>&-
  # Without a window manager every dialog close waits about two seconds.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null 9>&-
  # A crash must fail the test, not wait for someone to close a crash dialog.
  "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null 9>&-
  # The setup's server is not persistent: let it end, or it would stay the suite's
  # server and quit between tests, racing the next one's start.
  wineserver -w >/dev/null 2>&1 </dev/null 9>&-
  touch "$WINEPREFIX/.kovra-ready"
}

mkdir -p "$WINEPREFIX"
exec 9>"$WINEPREFIX.lock"
flock 9
start_display
prepare_prefix
wineserver -p >/dev/null 2>&1 </dev/null 9>&- || true  # fails when one runs already
# Desktop and services, detached from our pipes. A first start can fail while the
# previous program's processes wind down: once more, and a failure is said aloud.
warm_up() { "$wine" cmd /c exit >/dev/null 2>&1 </dev/null 9>&-; }
if ! warm_up; then
  echo "wine-run: Wine's first start in $WINEPREFIX failed; trying once more" >&2
  warm_up || { echo "wine-run: Wine does not start in $WINEPREFIX" >&2; exit 1; }
fi
flock -u 9
exec 9>&-
exec "$wine" "$@"
