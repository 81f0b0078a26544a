#!/usr/bin/env bash
# Runs clang-tidy with .clang-tidy over the sources of every layer (core, platform, text,
# device, editor, report, helpviewer, simulator, app, cli) as the release build compiles them,
# their own headers included; fails on any finding, each named once.
#   scripts/tidy.sh [BUILD FOLDER]     (build/release unless named; configured and built,
#                                       so that the generated sources are there)
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
build=${1:-build/release}
layers='core|platform|text|device|editor|report|helpviewer|simulator|app|cli'

if [ ! -f "$build/compile_commands.json" ]; then
    echo "no $build/compile_commands.json: configure and build $build first" >&2
    exit 2
fi
tidy=$(command -v run-clang-tidy-14 || command -v run-clang-tidy || true)
if [ -z "$tidy" ]; then
    echo "run-clang-tidy is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi
binary=$(command -v clang-tidy-14 || command -v clang-tidy)

root=$(printf '%s' "$top" | sed 's/[][\.*^$+?(){}|]/\\&/g')
mkdir -p build/logs
log=build/logs/tidy.log
start=$SECONDS
status=0
"$tidy" -clang-tidy-binary "$binary" -p "$build" -j "${KORVELT_TIDY_JOBS:-2}" -quiet \
    -header-filter "^$root/($layers)/" "^$root/(($layers)/[^/]+|cli/commands/[^/]+)\\.cpp\$" 2>&1 |
    sed 's/\x1b\[[0-9;]*m//g' >"$log" || status=$?

# A header's finding shows once per source that includes it: list each place once.
findings=$(grep -E '^/.*: (warning|error): ' "$log" | LC_ALL=C sort -u || true)
files=$(grep -c -- ' -p=' "$log" || true)
if [ -n "$findings" ]; then
    printf '%s\n' "$findings"
    echo "== tidy: $(printf '%s\n' "$findings" | wc -l) findings (log: $top/$log)"
    exit 1
fi
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log"
    echo "== tidy: clang-tidy FAILED (log: $top/$log)"
    exit 1
fi
echo "== tidy: no findings in ${files} sources of $layers and their headers, $((SECONDS - start)) s"
