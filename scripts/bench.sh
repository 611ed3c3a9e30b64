#!/usr/bin/env bash
# Benchmarks, not tests: start-up against a floor program, the install and the
# load against bare Reg* loops as the console list grows, the console page at
# 10,000 entries, and the size and imports of the shipped executable. Builds
# what it needs, runs under Wine on a private Xvfb display in a throwaway
# prefix, and prints one table of medians with min and max against the goals.
#   scripts/bench.sh [--quick]     (--quick: few runs, to see that it works)
# Timings mean little while something else keeps the machine busy.
set -euo pipefail
BUILD=${BUILD:-$(cd "$(dirname "$0")/.." && pwd)/build-bench}
source "$(dirname "$0")/common.sh"

STARTUP_RUNS=21
REGISTRY_SIZES=1,100,1000,10000
REGISTRY_RUNS=31,15,9,7
CONSOLE_RUNS=15
if [ "${1:-}" = "--quick" ]; then
  STARTUP_RUNS=3 REGISTRY_RUNS=3,3,3,1 CONSOLE_RUNS=3
fi

ensure_packages
start=$(date +%s)
build
cmake --build "$BUILD" --target benchmarks dist -j"$(nproc)" >/dev/null

OUT=$BUILD/bench-results
rm -rf "$OUT"
mkdir -p "$OUT"
STRIP=x86_64-w64-mingw32-strip
OBJDUMP=x86_64-w64-mingw32-objdump
WIZARD=$BUILD/dist/VortanBar/VortanBarSetup.exe # stripped, as it ships
"$STRIP" -o "$OUT/floor.exe" "$BUILD/bench/bench_floor.exe"
"$STRIP" -o "$OUT/floor_cc6.exe" "$BUILD/bench/bench_floor_cc6.exe"
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

fresh_prefix "$BUILD/bench-prefix"
trap '"$WINESERVER" -k >/dev/null 2>&1 || true; stop_xvfb' EXIT
start_xvfb
"$WINESERVER" -p
# Wine's background services, detached from our pipes (see test.sh).
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true

log "start-up: wizard, floor and floor with common controls 6.0, $STARTUP_RUNS runs each"
"$WINE" "$BUILD/bench/startup_probe.exe" "$STARTUP_RUNS" "$(winpath "$WIZARD")" \
  "$(winpath "$OUT/floor.exe")" "$(winpath "$OUT/floor_cc6.exe")" </dev/null >"$OUT/startup.tsv"
"$WINE" "$BUILD/bench/startup_phases.exe" 7 </dev/null >"$OUT/phases.txt"
log "install and load: sizes $REGISTRY_SIZES, runs $REGISTRY_RUNS"
"$WINE" "$BUILD/bench/registry_bench.exe" --sizes "$REGISTRY_SIZES" --runs "$REGISTRY_RUNS" \
  </dev/null >"$OUT/registry.tsv"
log "console page: 10,000 entries, $CONSOLE_RUNS runs"
"$WINE" "$BUILD/bench/console_bench.exe" --size 10000 --runs "$CONSOLE_RUNS" \
  </dev/null >"$OUT/console.tsv"

# What the executable needs of the system: every imported DLL must be one that
# every Windows has.
system_dlls=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll oleaut32.dll
  comctl32.dll comdlg32.dll shlwapi.dll shfolder.dll uxtheme.dll version.dll msvcrt.dll msimg32.dll "
size_kb=$(($(stat -c %s "$WIZARD") / 1024))
imports=$("$OBJDUMP" -p "$WIZARD" | awk '/DLL Name:/ {print tolower($3)}' | sort -u)
foreign=$(for dll in $imports; do [[ "$system_dlls" == *" $dll "* ]] || echo "$dll"; done)

{
  echo "Machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ //'),"
  echo "$("$WINE" --version), $(date -u '+%Y-%m-%d %H:%M UTC')."
  echo
  python3 "$ROOT/bench/table.py" "$OUT"/*.tsv --size-kb "$size_kb" \
    --imports "$(echo $imports | tr ' ' ',')" --foreign-imports "$(echo $foreign | tr ' ' ',')" \
    --phases "$OUT/phases.txt"
} | tee "$OUT/table.md"
log "benchmarks took $(($(date +%s) - start)) s; rows and table in $OUT"
