#!/usr/bin/env bash
# Runs every test: the native suite (ASan + UBSan) and the Wine suite through the
# real KOVRA.dll, as one CTest run with one summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake -S . -B build/native -DCMAKE_BUILD_TYPE=Debug -DKOVRA_SANITIZE=ON >/dev/null
cmake --build build/native -j2
cmake -S . -B build/win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win32 -j2

mkdir -p build/all
printf 'subdirs("%s" "%s")\n' "$PWD/build/native" "$PWD/build/win32" > build/all/CTestTestfile.cmake
trap 'bash scripts/stop-wine.sh' EXIT
ctest --test-dir build/all --output-on-failure -j2 --timeout 300
