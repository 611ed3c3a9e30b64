#!/usr/bin/env bash
# Screenshots of the wizard's five pages and of the console editor, framed as
# windows, into docs/screenshots/. The wizard runs from its distributable folder
# inside Wine's virtual desktop, on a private Xvfb, in a throwaway prefix; a
# small driver started in the same desktop walks it and says when to shoot.
set -euo pipefail
source "$(dirname "$0")/common.sh"

ensure_packages
command -v import >/dev/null || { apt-get install -y -qq imagemagick >/dev/null 2>&1 ||
  { apt-get update -qq && apt-get install -y -qq imagemagick; }; }
build
cmake --build "$BUILD" --target dist

out=$ROOT/docs/screenshots
signals=$BUILD/shots-signals
driver=$BUILD/screenshot_driver.exe
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

log "building the driver"
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -municode -static -DUNICODE -D_UNICODE \
  -o "$driver" "$ROOT/scripts/screenshot_driver.cpp" -lcomctl32

fresh_prefix "$BUILD/shots-prefix"
trap '"$WINESERVER" -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
start_xvfb
"$WINESERVER" -p
# Two consoles from an earlier install, so the list has rows to show.
for n in 101 102; do
  "$WINE" reg add "HKCU\\SOFTWARE\\Dremvik\\VortanBar\\$n" /v Password /d "pass$n" /f >/dev/null 2>&1
done

rm -rf "$signals" && mkdir -p "$signals" "$out"
"$WINE" explorer /desktop=shots,800x600 "$(winpath "$driver")" \
  "$(winpath "$BUILD/dist/VortanBar/VortanBarSetup.exe")" "$(winpath "$signals")" \
  >/dev/null 2>&1 &
desktop=$!

margin=12
for name in 1-welcome 2-folder 3-server 4-console 5-editor 6-finish; do
  for _ in $(seq 900); do [ -f "$signals/ready-$name.txt" ] && break; sleep 0.1; done
  [ -f "$signals/ready-$name.txt" ] || { log "no $name: the driver stopped"; exit 1; }
  read -r x y w h < "$signals/ready-$name.txt"
  x=$((x - margin < 0 ? 0 : x - margin)); y=$((y - margin < 0 ? 0 : y - margin))
  import -window root -crop "$((w + 2 * margin))x$((h + 2 * margin))+$x+$y" +repage "$out/$name.png"
  log "shot $out/$name.png"
  touch "$signals/done-$name.txt"
done
wait "$desktop" || true
