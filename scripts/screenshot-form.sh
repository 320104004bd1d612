#!/usr/bin/env bash
# Takes docs/settings-form.png: the station settings form as the operator sees
# it, from the cross-built DLL under Wine and Xvfb with the operators' locale.
# Usage: scripts/screenshot-form.sh [BUILD-DIR]   (default build/form, a cross build
# of the project holding bin/KOVRA.dll and bin/hold_settings_form.exe)
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build/form}"
export shot="$root/docs/settings-form.png"
work="$(mktemp -d)"
export WINEPREFIX="$work/prefix" WINEARCH=win32 WINEDEBUG=-all LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8
cleanup() { wineserver -k 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

cp "$build/bin/KOVRA.dll" "$build/bin/hold_settings_form.exe" "$work/"
mkdir "$work/Plugins"
# A station that has been here before, so the picture shows filled boxes.
printf '[Settings]\r\nName=Ivan Petrov\r\nAddress=ul. Lesnaya 5<CR><LF>Moskva 101000\r\nClaimed=42\r\nEmail=ua3abc@example.org\r\nClub=Radio club 1\r\n' \
  > "$work/Plugins/KOVRA.ini"

# Wine boots inside the display too: a prefix booted without one has no desktop
# to show the form on.
cd "$work"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  wineboot -i >/dev/null 2>&1 </dev/null
  # Unmanaged windows: Wine draws caption and frame itself, as Windows would.
  wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1 </dev/null
  # Marlett (the caption buttons) and MS Sans Serif from fonts-wine, where it is
  # installed: this Wine looks for them in the prefix only.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  wine hold_settings_form.exe KOVRA.dll form-open >wine.log 2>&1 </dev/null &
  for _ in $(seq 300); do [ -e form-open ] && break; sleep 0.1; done
  [ -e form-open ] || { echo "the form did not show" >&2; cat wine.log >&2; exit 1; }
  sleep 1  # the form paints after it shows
  import -window root -crop "$(cat form-open)" +repage "$shot"
  rm form-open
  wait'
echo "wrote $shot"
