#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need.
# As root it installs what is missing; otherwise it prints the command to run.
set -euo pipefail

packages=(
  build-essential cmake clang clang-format
  qt6-base-dev qt6-qpa-plugins qt6-svg-dev
  libsqlite3-dev libgtest-dev libbenchmark-dev libbz2-dev
  unicode-data opencc libopencc-dev
  fonts-noto-cjk xvfb xauth imagemagick
  python3-jieba
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# Node.js may come from another repository that bundles npm; only ask Debian
# for what no command provides yet.
command -v node >/dev/null 2>&1 || missing+=(nodejs)
command -v npm >/dev/null 2>&1 || missing+=(npm)

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q "${missing[@]}"
else
  echo "These Debian packages are missing. Install them with:" >&2
  echo "  sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
