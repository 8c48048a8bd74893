#!/usr/bin/env bash
# Installs what is needed, builds everything and runs the whole test suite
# under a virtual display. Set VELTO_SANITIZE=address or thread to run the
# suite in an instrumented build of its own (build-asan/ or build-tsan/).
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"

SAN="${VELTO_SANITIZE:-}"
case "$SAN" in
    "")      BUILD="$ROOT/build";      TYPE=Release ;;
    address) BUILD="$ROOT/build-asan"; TYPE=RelWithDebInfo ;;
    thread)  BUILD="$ROOT/build-tsan"; TYPE=RelWithDebInfo ;;
    *) echo "VELTO_SANITIZE must be empty, address or thread" >&2; exit 2 ;;
esac

"$ROOT/scripts/build.sh" "$BUILD" -DCMAKE_BUILD_TYPE="$TYPE" -DVELTO_SANITIZE="$SAN"

cd "$BUILD"
"$ROOT/scripts/on-virtual-display.sh" 1280x1024 ctest --output-on-failure --parallel "$(nproc)"
