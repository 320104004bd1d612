#!/usr/bin/env bash
# Runs every test: the native suite (ASan + UBSan) and the Wine suite through the
# real KOVRA.dll, as one CTest run with one summary.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
cmake --preset win32 >/dev/null
cmake --build --preset win32
read -r wine_build _ < <(bash scripts/wine-arch.sh)
if [ "$wine_build" != win32 ]; then
  echo "test.sh: this machine cannot run 32-bit programs: the Wine suite runs on the x64 build" >&2
  cmake --preset "$wine_build" >/dev/null
  cmake --build --preset "$wine_build"
fi

# The fuzz targets need clang; each gets a short run over its seed corpus.
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target plugin_diff_fuzz profile_file_fuzz adif_reader_fuzz \
  cabrillo_reader_fuzz

mkdir -p build/all
printf 'subdirs("%s" "%s" "%s")\n' "$PWD/build/native" "$PWD/build/$wine_build" "$PWD/build/fuzz/tests/fuzz" \
  > build/all/CTestTestfile.cmake
trap 'bash scripts/stop-wine.sh' EXIT
ctest --test-dir build/all --output-on-failure -j2 --timeout 300
