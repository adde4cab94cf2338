# Shared by the benchmarks of the desktop program: builds fieldizer-cli and
# the named bench targets in Release with the benchmarks on, and sets $build
# to that folder's absolute path. FIELDIZER_BENCH_BUILD=DIR reuses a build
# folder configured with -DFIELDIZER_BENCH=ON instead of making build-bench.
# Sourced from the repository folder: build_window_bench TARGET...

build_window_bench() {
    build=${FIELDIZER_BENCH_BUILD:-build-bench}
    if [ -z "${FIELDIZER_BENCH_BUILD:-}" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF \
            -DFIELDIZER_BENCH=ON >/dev/null
    fi
    cmake --build "$build" --target fieldizer-cli "$@" >/dev/null
    build=$(realpath "$build")
}
