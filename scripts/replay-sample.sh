#!/usr/bin/env bash
# The main job: builds KOVRA.dll and the host simulator, then replays a contest log
# through the real DLL under Wine, as the host would drive it, with the Cabrillo
# report. The settings form and the "Output" box are confirmed automatically.
#   scripts/replay-sample.sh [LOG.adi] [kovra-replay options...]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
log="${1:-$root/examples/sample.adi}"
shift $(( $# > 0 ? 1 : 0 ))

bash "$root/scripts/install-deps.sh"
read -r build _ < <(bash "$root/scripts/wine-arch.sh")
if [ "$build" != win32 ]; then
  echo "replay-sample.sh: this machine cannot run 32-bit programs: replaying through the x64 build" >&2
fi
cd "$root"
cmake --preset "$build" >/dev/null
cmake --build --preset "$build" --target KOVRA kovra-replay >/dev/null
cd - >/dev/null

trap 'bash "$root/scripts/stop-wine.sh"' EXIT
"$root/tests/host/wine-run.sh" "$root/build/$build/bin/kovra-replay.exe" --report --confirm "$@" "$log"
