#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when any is missing.
# Quiet and quick when everything is there already.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcurl4-openssl-dev qtkeychain-qt6-dev
  # The tables' faces: a narrow heavy and a geometric book face, and the fallbacks.
  fonts-urw-base35 fonts-dejavu-core
)
if [ "${1:-}" = "--tests" ]; then
  packages+=(xvfb xauth clang libclang-rt-14-dev)
  # The mail tests run real servers on the loopback address, and xdg-email.
  packages+=(opensmtpd dovecot-imapd dovecot-submissiond openssl xdg-utils)
fi

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
