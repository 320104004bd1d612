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
read -r wine_build toolchain < <(bash scripts/wine-arch.sh)
if [ "$wine_build" != win32 ]; then
  echo "test.sh: this machine cannot run 32-bit programs: the Wine suite runs on the x64 build" >&2
  cmake -S . -B "build/$wine_build" -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "build/$wine_build" -j2
fi

# The fuzz targets need clang; each gets a short run over its seed corpus.
CC=clang CXX=clang++ cmake -S . -B build/fuzz -DKOVRA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build/fuzz -j2 --target plugin_diff_fuzz profile_file_fuzz adif_reader_fuzz \
  cabrillo_reader_fuzz

mkdir -p build/all
printf 'subdirs("%s" "%s" "%s")\n' "$PWD/build/native" "$PWD/build/$wine_build" "$PWD/build/fuzz/tests/fuzz" \
  > build/all/CTestTestfile.cmake
trap 'bash scripts/stop-wine.sh' EXIT
ctest --test-dir build/all --output-on-failure -j2 --timeout 300
