# Shared by the run, test and screenshot scripts: packages, build, Wine prefix, Xvfb.
# Source it; it sets ROOT, BUILD, WINE, WINEPREFIX and friends.
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=${BUILD:-$ROOT/build}
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

log() { printf '== %s\n' "$*" >&2; }

# Installs what the build and the tests need, only when something is missing.
ensure_packages() {
  local need=()
  command -v cmake >/dev/null || need+=(cmake)
  command -v x86_64-w64-mingw32-g++-posix >/dev/null || need+=(g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix)
  command -v x86_64-w64-mingw32-windres >/dev/null || need+=(binutils-mingw-w64-x86-64)
  [ -x "$WINE" ] || need+=(wine64 wine)
  [ -d /usr/share/wine/fonts ] || need+=(fonts-wine)
  command -v Xvfb >/dev/null || need+=(xvfb)
  command -v xauth >/dev/null || need+=(xauth)
  [ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest)
  command -v python3 >/dev/null || need+=(python3)
  command -v zip >/dev/null || need+=(zip)
  if [ ${#need[@]} -gt 0 ]; then
    log "installing: ${need[*]}"
    local sudo=""
    [ "$(id -u)" = 0 ] || sudo=sudo
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get install -y -qq "${need[@]}" >/dev/null 2>&1 ||
      { $sudo apt-get update -qq && $sudo apt-get install -y -qq "${need[@]}"; }
  fi
}

build() {
  cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$BUILD" -j"$(nproc)"
}

# A throwaway prefix inside the build tree: never the developer's ~/.wine.
fresh_prefix() {
  export WINEPREFIX=$1
  "$WINESERVER" -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  log "creating Wine prefix $WINEPREFIX"
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  # Without a window manager Wine stalls after each dialog unless windows are unmanaged.
  "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  "$WINESERVER" -w
}

# Starts Xvfb on a free display; stop_xvfb kills it by its pid.
XVFB_PID=""
start_xvfb() {
  local n=90
  while [ -e /tmp/.X11-unix/X$n ] || [ -e /tmp/.X$n-lock ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && return 0; sleep 0.1; done
  log "Xvfb did not start"; return 1
}
stop_xvfb() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=""
}
