#!/usr/bin/env bash
# Builds KOVRA.dll, kovra-replay.exe and kovra-check.exe twice from the last commit,
# in two scratch trees whose paths differ, one after the other, and fails unless the
# two builds are byte for byte the same. Usage: scripts/check-reproducible.sh [DIR] (default
# build/reproducible); the first build stays in DIR/first/build/bin.
set -euo pipefail
cd "$(dirname "$0")/.."
work="$(realpath -m "${1:-build/reproducible}")"
programs=(KOVRA.dll kovra-replay.exe kovra-check.exe)
commit="$(git rev-parse HEAD)"

if [ -n "$(git status --porcelain)" ]; then
  echo "check-reproducible: checking ${commit:0:7}; uncommitted changes are left out" >&2
fi

build() {
  local src="$work/$1/src" out="$work/$1/build"
  mkdir -p "$src"
  git archive "$commit" | tar -x -C "$src"
  (cd "$src" && cmake --preset win32 -B "$out" >/dev/null)
  cmake --build "$out" -j2 --target KOVRA kovra-replay kovra-check >/dev/null
}

rm -rf "$work"
build first
build second-build-of-the-same-commit
status=0
for p in "${programs[@]}"; do
  a="$work/first/build/bin/$p" b="$work/second-build-of-the-same-commit/build/bin/$p"
  if cmp -s "$a" "$b"; then
    echo "check-reproducible: $p identical, sha256 $(sha256sum < "$a" | cut -d' ' -f1)"
  else
    echo "check-reproducible: $p differs between the two builds: $(cmp "$a" "$b" | head -1)" >&2
    status=1
  fi
done
exit $status
