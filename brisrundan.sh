#!/usr/bin/env bash
# Sets up a Debian or Ubuntu machine for the race desk, then
#   ./brisrundan.sh start     builds the program alone (build-desk/) and starts the desk
#   ./brisrundan.sh test      builds everything (build/) and runs every test
#   ./brisrundan.sh package   builds the program alone and makes the Debian package of it
set -euo pipefail
cd "$(dirname "$0")"

what=${1:-start}
desk_packages=(cmake g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n qt6-httpserver-dev qt6-websockets-dev libqrencode-dev)
test_packages=(libgtest-dev libbenchmark-dev poppler-utils tidy cups printer-driver-cups-pdf cups-client chromium)
package_packages=(dpkg-dev file)
# The Win32 file layer is cross-compiled and run under Wine by the tests, where Debian has both.
if [ "$(dpkg --print-architecture)" = amd64 ]; then
    test_packages+=(g++-mingw-w64-x86-64 wine wine64)
fi

# Installs whichever of the given packages are missing, showing one line per package set up; apt's whole
# output only when it fails.
install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=() log
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    log=$(mktemp)
    if ! "${sudo[@]}" apt-get update -qq >"$log" 2>&1 ||
        ! "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
            "${missing[@]}" 2>&1 | tee -a "$log" | sed -un 's/^Setting up \([^ ]*\) .*/  \1/p'; then
        cat "$log" >&2
        rm -f "$log"
        echo "Installing the packages failed." >&2
        exit 1
    fi
    rm -f "$log"
}

build_desk() {
    cmake --preset desk >/dev/null
    cmake --build --preset desk -j "$(nproc)"
}

case "$what" in
    start)
        install_missing "${desk_packages[@]}"
        build_desk
        if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
            echo "Built build-desk/bin/brisrundan, but this session has no display to show the desk on."
            echo "Run ./brisrundan.sh start from a desktop session."
            exit 0
        fi
        exec build-desk/bin/brisrundan ;;
    test)
        install_missing "${desk_packages[@]}" "${test_packages[@]}"
        cmake --preset default >/dev/null
        cmake --build --preset default -j "$(nproc)"
        exec ctest --preset default ;;
    package)
        install_missing "${desk_packages[@]}" "${package_packages[@]}"
        build_desk
        log=$(mktemp)
        if ! cpack --preset deb >"$log" 2>&1; then
            cat "$log" >&2
            exit 1
        fi
        rm -f "$log"
        deb=$(ls -t build-desk/brisrundan_*.deb | head -n 1)
        echo "The package is $PWD/$deb"
        echo "Install it with:  sudo apt install ./$deb"
        ;;
    *)
        echo "usage: $0 [start|test|package]" >&2
        exit 2 ;;
esac
