# Shared by the side-by-side benchmarks: installs what they need, builds
# fieldizer-cli in Release, and times commands against their peers.
# Sourced from the repository folder; sets $cli.

bash scripts/install-dependencies.sh
for tool in time bc; do
    [ -x /usr/bin/$tool ] || apt-get install -y -qq $tool >/dev/null
done
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DFIELDIZER_TESTS=OFF >/dev/null
cmake --build build-bench --target fieldizer-cli >/dev/null
cli=$PWD/build-bench/cli/fieldizer-cli

# shellcheck source=bench/timing.sh
source bench/timing.sh

peak_kib() {
    bash -c "$bench_reset"
    /usr/bin/time -f '%M' bash -c "$1 >/dev/null 2>&1" 2>&1 >/dev/null | tail -n 1
}

print_header() {
    printf '%-28s %-14s %10s %10s %7s %12s\n' operation peer "ours MB/s" "peer MB/s" ratio \
        "peak/input"
}

# compare NAME INPUT OURS PEER PEERNAME: MB/s of both on INPUT, the ratio
# (peer time / our time: 1.0 or more means we are at least as fast) and our
# peak memory as a multiple of the input size.
compare() {
    local name=$1 input=$2 ours=$3 peer=$4 peername=$5
    local bytes ours_s peer_s peak
    bytes=$(stat -c %s "$input")
    ours_s=$(best_time "$ours")
    peer_s=$(best_time "$peer")
    peak=$(peak_kib "$ours")
    printf '%-28s %-14s %10.1f %10.1f %7.2f %12.2f\n' "$name" "$peername" \
        "$(echo "$bytes / 1000000 / $ours_s" | bc -l)" \
        "$(echo "$bytes / 1000000 / $peer_s" | bc -l)" \
        "$(echo "$peer_s / $ours_s" | bc -l)" "$(echo "$peak * 1024 / $bytes" | bc -l)"
}
