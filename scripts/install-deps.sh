#!/usr/bin/env bash
# Installs the Debian packages Pelmora needs, only those that are missing.
#
# Usage: scripts/install-deps.sh [--tests] [--package]
#   (no option)  what building and running the editor and pelmora-cli needs
#   --tests      also what the test command needs: test and benchmark libraries, clang for the
#                fuzzer and the sanitizers, a virtual X server, the desktop-file and AppStream
#                validators, the screenshot tools, and Qt's translation tools (lupdate, for
#                scripts/update-translations.sh)
#   --package    also what building the .deb needs (dpkg-shlibdeps)
set -euo pipefail

editor_packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core
  libspng-dev zlib1g-dev libssl-dev libcli11-dev nlohmann-json3-dev
)
test_packages=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream
  qt6-tools-dev qt6-l10n-tools
)
package_packages=(dpkg-dev file)

packages=("${editor_packages[@]}")
for option in "$@"; do
  case "$option" in
    --tests) packages+=("${test_packages[@]}") ;;
    --package) packages+=("${package_packages[@]}") ;;
    *)
      echo "usage: scripts/install-deps.sh [--tests] [--package]" >&2
      exit 2
      ;;
  esac
done

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
