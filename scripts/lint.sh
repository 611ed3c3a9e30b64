#!/usr/bin/env bash
# clang-format check, clang-tidy and cppcheck over our own sources (not googletest).
# Usage: scripts/lint.sh [files...]   (default: everything under src/ and tests/)
set -uo pipefail
source "$(dirname "$0")/common.sh"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cd "$ROOT"
files=("$@")
[ ${#files[@]} -gt 0 ] || mapfile -t files < <(git ls-files 'src/*.cpp' 'tests/*.cpp' 'bench/*.cpp')

# The cross compiler's own C++ headers, for clang's front end.
extra=()
while read -r dir; do extra+=(--extra-arg=-isystem"$dir"); done < <(
  echo | x86_64-w64-mingw32-g++-posix -x c++ -E -v - 2>&1 |
    sed -n '/search starts here:/,/End of search/p' | grep '^ /' | grep -E 'c\+\+|mingw32/include$' | sed 's/^ //')

status=0
clang-format --dry-run --Werror "${files[@]}" || status=1
clang-tidy -p "$BUILD" --quiet --extra-arg=--target=x86_64-w64-mingw32 "${extra[@]}" \
  "${files[@]}" 2>/dev/null | grep -E '^/.*(warning|error):' && status=1
cppcheck --quiet --enable=warning,performance,portability --std=c++20 --language=c++ \
  --inline-suppr --error-exitcode=1 -I src -I tests \
  --suppress=missingIncludeSystem "${files[@]}" || status=1
exit $status
