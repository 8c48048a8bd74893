#!/usr/bin/env bash
# Builds Release and runs the processBlock benchmarks: the engine at 44.1 kHz
# in blocks of 64, 512 and 4096 frames, on noise and on silence after a burst,
# and the built VST3 inside JUCE's host, and the plug-in window's work at
# display scales 1 and 2. Prints nanoseconds per stereo frame and the
# realtime factor, and fails if silence after a burst costs more than noise.
# Extra arguments go to the benchmark, e.g. --benchmark_filter=editor.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${VELTO_BENCH_BUILD:-$ROOT/build}"

"$ROOT/scripts/setup.sh"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELTO_SANITIZE=
cmake --build "$BUILD" --parallel "$(nproc)" --target velto_bench

# The window needs a display; without one, a virtual one that holds it
# whole at scale 2 (2000 x 640).
if [ -n "${DISPLAY:-}" ]; then
    exec "$BUILD/bench/velto_bench" "$@"
fi
exec "$ROOT/scripts/on-virtual-display.sh" 2400x1200 "$BUILD/bench/velto_bench" "$@"
