#!/usr/bin/env bash
# Writes dist/KOVRA-<version>.zip from the last commit: KOVRA.dll, kovra-replay.exe and
# kovra-check.exe from a build that a second build in another folder reproduces byte for
# byte, the operator's guides, an example cabrillo.ini, a note on each program and SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -n "$(git status --porcelain)" ]; then
  echo "release: the tree has uncommitted changes; a release is built from a commit only:" >&2
  git status --short >&2
  exit 1
fi

bash scripts/check-reproducible.sh build/release
build=build/release/first
version=$(sed -n 's/^#define KOVRA_VERSION "\(.*\)"$/\1/p' "$build/build/generated/kovra_version.h")
zip="dist/KOVRA-$version.zip"
python3 scripts/pack_release.py --src "$build/src" --bin "$build/build/bin" \
  --folder "KOVRA-$version" --epoch "$(git log -1 --format=%ct)" --out "$zip"
echo "release: $zip ($(git rev-parse --short HEAD)), sha256 $(sha256sum < "$zip" | cut -d' ' -f1)"
