#!/usr/bin/env bash
# Which cross build this machine's Wine can run, as "PRESET TOOLCHAIN" (the preset
# of CMakePresets.json, also the name of its folder in build/):
# "win32 mingw-i686", the product's own build, where the kernel runs 32-bit
# programs; else "win64 mingw-x86_64", the same sources built for x64, so that
# the Windows code is still tested end to end.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  echo win32 mingw-i686
else
  echo win64 mingw-x86_64
fi
