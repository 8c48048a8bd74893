#!/usr/bin/env bash
# Configures and builds Velto into build/ (or the folder given as $1).
# Extra arguments go to CMake, e.g. -DVELTO_SANITIZE=address.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
shift || true

cmake -S "$ROOT" -B "$BUILD" -G Ninja "$@"
cmake --build "$BUILD" --parallel "$(nproc)"
