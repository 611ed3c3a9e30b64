#!/usr/bin/env bash
# Builds everything and runs every test under Wine, on a private Xvfb display,
# in a throwaway prefix inside the build tree. Safe to run again.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages
build

start=$(date +%s)
fresh_prefix "$BUILD/wineprefix"
trap '"$WINESERVER" -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
start_xvfb
"$WINESERVER" -p  # one server for the whole run
# Start Wine's background services now, detached from ctest's output pipes:
# started by the first test they would inherit them and ctest would never see EOF.
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true

cd "$BUILD"
ctest --output-on-failure -j2 "$@"
log "tests took $(( $(date +%s) - start )) s"
