#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for the race desk, builds it, and then either starts the desk
# (./brisrundan.sh start) or runs every test (./brisrundan.sh test).
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-start}
packages=(cmake g++ qt6-base-dev qt6-multimedia-dev libgtest-dev libbenchmark-dev
          poppler-utils tidy cups printer-driver-cups-pdf cups-client)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$(nproc)"
}

install_missing
build
case "$what" in
    start)
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
            echo "Built build/bin/brisrundan, but this session has no display to show the desk on."
            echo "Run ./brisrundan.sh start from a desktop session."
            exit 0
        fi
        exec build/bin/brisrundan ;;
    test)
        exec ctest --preset default ;;
    *)
        echo "usage: $0 [start|test]" >&2
        exit 2 ;;
esac
