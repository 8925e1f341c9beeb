#!/usr/bin/env bash
# Builds TamoTime and runs the whole test suite with ctest.
#   ./test.sh             the normal build (build/)
#   ./test.sh sanitize    the same suite under AddressSanitizer and UndefinedBehaviorSanitizer
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
preset="${1:-default}"
scripts/deps.sh "${BUILD_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --preset "$preset" -j2
