#!/usr/bin/env bash
# Which cross build this machine's Wine can run: "win32", the product's own i686
# build, where the kernel runs 32-bit programs; else "win64", the same sources
# built for x64, so that the Windows code is still tested end to end.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
