#!/usr/bin/env bash
# Builds the state fuzzer (libFuzzer, AddressSanitizer + UBSan, clang) in
# build-fuzz/ and runs it: hostile state chunks and parameter writes, then
# audio, must neither crash nor give non-finite output. Extra arguments go to
# libFuzzer, e.g. -runs=1000000; without a limit it runs until stopped.
# New inputs collect in build-fuzz/corpus/, failing ones in build-fuzz/.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="$ROOT/build-fuzz"

# clang with libFuzzer is needed here only, not for the everyday build.
"$ROOT/scripts/setup.sh" clang-14 libclang-rt-14-dev
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DVELTO_FUZZ=ON -DVELTO_SANITIZE=address \
    -DVELTO_BUILD_TESTS=OFF -DVELTO_BUILD_BENCHMARKS=OFF
cmake --build "$BUILD" --parallel "$(nproc)" --target velto_state_fuzzer

mkdir -p "$BUILD/corpus"
# An input longer than 1 + 2 x 80 bytes carries nothing more.
exec "$BUILD/fuzz/velto_state_fuzzer" -max_len=161 -len_control=0 -dict="$ROOT/fuzz/special_floats.dict" \
    -artifact_prefix="$BUILD/" -print_final_stats=1 "$BUILD/corpus" "$@"
