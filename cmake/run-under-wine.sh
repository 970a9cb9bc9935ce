#!/usr/bin/env bash
# Runs the Win32 file-layer contract under Wine, quietly and without a display, in a prefix of its own:
#   run-under-wine.sh CONTRACT.exe PREFIX [ARGUMENTS]
# Without arguments the contract runs twice: every case, then the full disk under a file-size limit.
set -u
exe=$1
export WINEPREFIX=$2 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=' WINEARCH=win64
shift 2
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$WINEPREFIX"

# The prefix's own server, started before any limit is set and ended with the run, with Wine's services.
# Wine's programs write into a file, never into the caller's pipe, which its services would hold open.
out=$(mktemp)
trap 'wineserver -k >/dev/null 2>&1; rm -f "$out"' EXIT
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
[ -f "$WINEPREFIX/system.reg" ] || wineboot --init </dev/null >/dev/null 2>&1

status=0
if [ $# -gt 0 ]; then
    wine "$exe" "$@" </dev/null >"$out" 2>&1 || status=$?
else
    wine "$exe" </dev/null >"$out" 2>&1 || status=1
    # The disk is full for the program at 1 KiB (bash counts ulimit -f in KiB); it is told, not killed.
    (
        ulimit -f 1
        trap '' XFSZ
        exec wine "$exe" --full-disk
    ) </dev/null >>"$out" 2>&1 || status=1
fi
cat "$out"
exit $status
