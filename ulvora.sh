#!/usr/bin/env bash
# Builds Ulvora and runs it or its tests, installing what it needs first.
#   ./ulvora.sh run       build, then start the desktop program
#   ./ulvora.sh console   build, then start the console front end
#   ./ulvora.sh test      build, then run every test (headless)
#   ./ulvora.sh bench     build, then print the measured figures
set -euo pipefail
cd "$(dirname "$0")"

BUILD_DIR=${ULVORA_BUILD_DIR:-build}
PACKAGES=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-qpa-plugins fonts-dejavu-core
  libsdl2-dev
  libgtest-dev libgmock-dev
)

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build "$BUILD_DIR" -j"$(nproc)"
}

install_packages
build
case "${1:-run}" in
  run)
    cd "$BUILD_DIR/run" && exec ./ulvora ;;
  console)
    cd "$BUILD_DIR/run" && exec ./ulvora-console ;;
  test)
    export QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
    ctest --test-dir "$BUILD_DIR" --output-on-failure -j"$(nproc)" ;;
  bench)
    for b in "$BUILD_DIR"/bench/*; do [ -x "$b" ] && [ -f "$b" ] && "$b"; done ;;
  *)
    echo "usage: $0 [run|console|test|bench]" >&2; exit 2 ;;
esac
