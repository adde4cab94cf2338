#!/usr/bin/env bash
# Checks format and layering, then builds Fieldizer and runs every test twice:
# in a release build (which also compiles the benchmarks, never running them,
# and after which clang-tidy checks the changed sources), and in a build with
# AddressSanitizer and UndefinedBehaviorSanitizer. Both builds treat compiler
# warnings as errors.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-dependencies.sh
bash scripts/check-format.sh
bash scripts/check-layering.sh
bash scripts/check-test-macros.sh

jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_WERROR=ON \
    -DFIELDIZER_BENCH=ON
cmake --build build -j "$jobs"
bash scripts/check-tidy.sh build
ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DFIELDIZER_SANITIZE=ON \
    -DFIELDIZER_WERROR=ON
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    LSAN_OPTIONS=suppressions="$PWD/tests/leak-suppressions.txt" \
    ctest --test-dir build-sanitize --output-on-failure -j "$jobs"
