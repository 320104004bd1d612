#!/usr/bin/env bash
# The performance figures: the Google Benchmark suite (engine and reference model side
# by side, Release build), then whole replays of a generated 100,000-QSO log, natively
# and through KOVRA.dll under Wine, and kovra-check on the Cabrillo log the native replay
# wrote. Extra arguments go to the benchmark binary.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

bash "$root/scripts/install-deps.sh"
cd "$root"
cmake --preset release >/dev/null
cmake --build --preset release --target plugin_bench checker_bench make-contest kovra-replay kovra-check >/dev/null
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target KOVRA kovra-replay >/dev/null

"$root/build/bench/bench/plugin_bench" "$@"
"$root/build/bench/bench/checker_bench" "$@"

work="$(mktemp -d)"
trap 'bash "$root/scripts/stop-wine.sh"; rm -rf "$work"' EXIT
python3 "$root/scripts/make-log.py" 100000 > "$work/big.adi"
cd "$work"
native="$(find "$root/build/bench" -name kovra-replay -type f -perm -u+x | head -n1)"
wine=("$root/tests/host/wine-run.sh" "$root/build/win32/bin/kovra-replay.exe")
"${wine[@]}" --help >/dev/null 2>&1 || true  # starts the prefix, so the timing is warm

timed() {
  local label=$1 start=$EPOCHREALTIME
  shift
  "$@" --report --confirm big.adi >/dev/null
  awk -v a="$start" -v b="$EPOCHREALTIME" -v l="$label" \
    'BEGIN { printf "whole replay of 100,000 QSOs, %s: %.2f s\n", l, b - a }'
}
timed native "$native"
cp "$(ls "$work"/*.cbr)" native-log  # the plug-in's own: 100,000 QSO lines in its columns
timed "KOVRA.dll under Wine" "${wine[@]}"

checker="$(find "$root/build/bench" -name kovra-check -type f -perm -u+x | head -n1)"
checked() {
  local label=$1 start=$EPOCHREALTIME
  shift
  "$checker" "$@" native-log >/dev/null
  awk -v a="$start" -v b="$EPOCHREALTIME" -v l="$label" \
    'BEGIN { printf "kovra-check of 100,000 QSO lines, %s: %.2f s\n", l, b - a }'
}
checked "report for people"
checked "JSON" --json

# A whole contest, as the sponsor runs it: every log read, checked and cross-checked,
# results.csv and a report per log written.
for stations in 150 300; do
  "$root/build/bench/bench/make-contest" "$stations" 550 "contest-$stations"
  start=$EPOCHREALTIME
  "$checker" --out "reports-$stations" "contest-$stations" 2>/dev/null
  awk -v a="$start" -v b="$EPOCHREALTIME" -v n="$stations" \
    'BEGIN { printf "kovra-check --out of a %d-log contest: %.2f s\n", n, b - a }'
done
