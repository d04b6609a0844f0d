#!/usr/bin/env bash
# Installs everything Tarnvik's build and tests need, from Debian's packages.
# Idempotent: quick when everything is already there.
set -euo pipefail

need_root() { [ "$(id -u)" = 0 ] || { echo "setup: run as root (or with sudo)" >&2; exit 1; }; }

packages=(cmake make g++ g++-mingw-w64-i686-posix wine wine32:i386 xvfb xauth
          xdotool imagemagick fonts-wqy-microhei fonts-wine locales googletest)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  need_root
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Without the glibc locale Wine falls back to code page 1252.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  need_root
  if ! grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  fi
  locale-gen >/dev/null
fi

# The posix-threads flavour is the one that links std::thread statically.
if command -v update-alternatives >/dev/null && [ -e /usr/bin/i686-w64-mingw32-g++-posix ]; then
  update-alternatives --set i686-w64-mingw32-g++ /usr/bin/i686-w64-mingw32-g++-posix >/dev/null 2>&1 || true
  update-alternatives --set i686-w64-mingw32-gcc /usr/bin/i686-w64-mingw32-gcc-posix >/dev/null 2>&1 || true
fi
