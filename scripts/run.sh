#!/usr/bin/env bash
# Builds the wizard and its distributable folder and starts it under Wine on the
# current display. The Wine prefix lives in the build tree and is kept between
# runs, so a second run shows the settings the first one installed.
set -euo pipefail
source "$(dirname "$0")/common.sh"

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
There is no display (DISPLAY is not set). Start one and run again, for example:
  Xvfb :5 -screen 0 1024x768x24 & export DISPLAY=:5
or run the command from a desktop session.
MSG
  exit 1
fi

ensure_packages
build
cmake --build "$BUILD" --target dist

export WINEPREFIX="$BUILD/run-prefix"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  log "creating Wine prefix $WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
fi
log "starting $BUILD/dist/VortanBar/VortanBarSetup.exe"
exec "$WINE" "$BUILD/dist/VortanBar/VortanBarSetup.exe"
