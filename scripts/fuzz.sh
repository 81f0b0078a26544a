#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer)
# in build/fuzz and runs each for MINUTES minutes, one after the other, then prints how many
# inputs each ran. Usage: scripts/fuzz.sh MINUTES [TARGET...]   (targets: fuzz/*.cpp names,
# e.g. datafile). Each target's corpus grows in build/fuzz/corpus/<target>, starting from its
# seeds in fuzz/corpus/<target>; an input that breaks a target is kept as
# build/fuzz/artifacts/<target>/crash-*, and the script then exits non-zero.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]] || [ "$1" -lt 1 ]; then
    echo "usage: scripts/fuzz.sh MINUTES [TARGET...]" >&2
    exit 2
fi
minutes=$1
shift

scripts/install-deps.sh
dir=build/fuzz
mkdir -p build/logs
echo "== fuzz: configure and build (log: $top/build/logs/build-fuzz.log)"
if ! { cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 -DKORVELT_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build "$dir"; } >build/logs/build-fuzz.log 2>&1; then
    tail -n 60 build/logs/build-fuzz.log
    echo "== fuzz: build FAILED"
    exit 1
fi

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in fuzz/fuzz_*.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name#fuzz_}")
    done
fi

export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
summary=()
for target in "${targets[@]}"; do
    exe="$dir/fuzz/fuzz_$target"
    if [ ! -x "$exe" ]; then
        echo "== $target: no such fuzz target" >&2
        status=1
        continue
    fi
    corpus="$dir/corpus/$target"
    artifacts="$dir/artifacts/$target"
    log="build/logs/fuzz-$target.log"
    mkdir -p "$corpus" "$artifacts"
    read -r -a options <"$dir/fuzz/fuzz_$target.options" || options=()
    echo "== $target: $minutes minute(s) (log: $top/$log)"
    result=ok
    if ! "$exe" -max_total_time=$((minutes * 60)) -print_final_stats=1 -artifact_prefix="$artifacts/" \
            "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1; then
        result="FAILED, input kept in $top/$artifacts"
        grep -E "Property broken|ERROR|runtime error" "$log" | head -n 5 || true
        status=1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    summary+=("$(printf '%-10s %12s executions %8s/s  %s' "$target" "${executions:-?}" "${rate:-?}" "$result")")
done

echo "== executions in $minutes minute(s) per target"
printf '%s\n' "${summary[@]}"
exit $status
