#!/usr/bin/env bash
# Builds TamoTime (installing missing Debian packages) and starts it on its shipped default files.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
scripts/deps.sh "${BUILD_PACKAGES[@]}"
cmake --preset default >/dev/null
cmake --build --preset default --target TamoTime
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting TamoTime under Xvfb." >&2
  scripts/deps.sh "${TEST_PACKAGES[@]}"
  exec xvfb-run -a -s "-screen 0 1280x800x24" ./build/TamoTime
fi
exec ./build/TamoTime
