#!/usr/bin/env bash
# Checks for the Debian packages the build needs and installs the missing ones:
# directly as root, through sudo where sudo can be used, and otherwise prints
# the command that installs them and stops.
#   bash scripts/setup.sh         what `make run` and `make test` need
#   bash scripts/setup.sh bench   that and Google Benchmark, for `make bench`
set -euo pipefail

packages=(build-essential cmake pkg-config libsdl2-dev libpng-dev libfreetype-dev
          fonts-dejavu-core fonts-dejavu-extra libgtest-dev libgmock-dev)
case "${1:-}" in
  "") ;;
  bench) packages+=(libbenchmark-dev) ;;
  *) echo "usage: bash scripts/setup.sh [bench]" >&2; exit 2 ;;
esac

if ! command -v dpkg-query >/dev/null 2>&1; then
  echo "setup: this system has no Debian package manager; install these or their equivalents:" >&2
  echo "    ${packages[*]}" >&2
  exit 1
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

command="apt-get update && apt-get install -y --no-install-recommends ${missing[*]}"
give_up() {
  echo "setup: $1" >&2
  echo "setup: missing packages: ${missing[*]}" >&2
  echo "setup: install them as root with this command, then run this again:" >&2
  echo "    $command" >&2
  exit 1
}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  # sudo may ask for a password only where someone can type it.
  if command -v sudo >/dev/null 2>&1 && { sudo -n true 2>/dev/null || [ -t 0 ]; }; then
    as_root=(sudo)
  else
    give_up "not root and no usable sudo, so nothing was installed."
  fi
fi

apt() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
echo "setup: installing ${missing[*]}"
# The package lists are refreshed only when the first try cannot find a package.
apt install -y --no-install-recommends "${missing[@]}" ||
  { apt update && apt install -y --no-install-recommends "${missing[@]}"; } ||
  give_up "the installation failed (see apt-get's messages above)."
