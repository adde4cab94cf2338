# Timing shared by the benchmarks, without side effects: sourced by lib.sh
# and by the window benchmarks, which build their own folders.

# A command run before every timed run (to remove what the last one made).
bench_reset=${bench_reset:-true}

# Best-of-3 wall time in seconds of a shell command.
best_time() {
    local best=""
    for _ in 1 2 3; do
        bash -c "$bench_reset"
        local start end took
        start=$(date +%s.%N)
        bash -c "$1" >/dev/null 2>&1
        end=$(date +%s.%N)
        took=$(echo "$end - $start" | bc -l)
        if [ -z "$best" ] || [ "$(echo "$took < $best" | bc -l)" = 1 ]; then best=$took; fi
    done
    echo "$best"
}
