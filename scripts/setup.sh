#!/usr/bin/env bash
# Installs everything Varnel needs to build, run and test on Debian 12.
# Idempotent: packages already present are left alone; safe to run on every build.
# The 64-bit Windows build and wine64 are installed everywhere; 32-bit Wine only
# where this machine can run 32-bit programs (some kernels run 64-bit code only).
set -euo pipefail
cd "$(dirname "$0")/.."

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

packages=(
  cmake ninja-build make g++
  googletest libbenchmark-dev
  g++-mingw-w64-i686-posix gcc-mingw-w64-i686-posix binutils-mingw-w64-i686 mingw-w64-i686-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev
  wine wine64 xvfb xdotool imagemagick
  locales fonts-ipafont-gothic fonts-wine
  # The file printer of the print tests (tests/print/file_printer.sh): a CUPS scheduler with the
  # generic PDF printer, the tools that read its PDF back, and a font whose glyph names carry text.
  cups-daemon cups-client cups-filters ghostscript poppler-utils fonts-dejavu-core
)

need_update=0
if why=$(scripts/wine-test.sh machine-runs 32); then
  packages+=(wine32:i386)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    need_update=1
  fi
else
  echo "setup: $why; the 32-bit Windows tests will be skipped"
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ] || [ "$need_update" = 1 ]; then
  $SUDO apt-get update -qq
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# ja_JP.UTF-8 makes Wine's ANSI code page 932.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  if ! grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  fi
  $SUDO locale-gen >/dev/null
fi

echo "setup: ok"
