#!/usr/bin/env bash
# Installs what the build and the tests need on a fresh Debian machine. Safe to run again:
# it only installs what is missing.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
  updated=
fi

# The x64 toolchain and wine64 serve machines whose kernel cannot run 32-bit programs;
# nlohmann-json3-dev, header-only, gives the log checker its JSON in every build.
for p in cmake g++ make googletest libgtest-dev libbenchmark-dev nlohmann-json3-dev \
         clang libclang-rt-14-dev \
         g++-mingw-w64-i686-posix mingw-w64-i686-dev \
         g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev \
         wine wine32:i386 wine64 fonts-wine xvfb xauth locales tzdata imagemagick \
         python3-markdown clang-format; do
  have "$p" || need+=("$p")
done

if [ ${#need[@]} -gt 0 ] || [ -v updated ]; then
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails one index; the install below says whether what we need came.
  apt-get update -qq || echo "install-deps: apt-get update reported errors; trying the install anyway" >&2
  install() { apt-get install -y -qq --no-install-recommends "$@" "${need[@]}" >/dev/null; }
  # With the i386 security index missing, the two architectures' candidates of a
  # shared library differ; the stable release's versions agree on both.
  [ ${#need[@]} -eq 0 ] || install || install -t "$(. /etc/os-release && echo "$VERSION_CODENAME")"
fi

# tzdata: the tests run in the operators' zone, Europe/Moscow, natively and under Wine.
# Wine picks code page 1251 and dd.MM.yyyy dates from a Russian locale, as on the operators' machines.
if ! locale -a 2>/dev/null | grep -qi '^ru_RU\.utf-\?8$'; then
  sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
