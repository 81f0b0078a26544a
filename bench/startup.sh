#!/bin/sh
# Start-up benchmark: the demo program (nothing plugged in) against a bare Qt window with one
# label, 10 starts each side by side under Xvfb with a session bus of its own.
#   bench/startup.sh [BUILD_DIR] [N]    (default build/release, 10)
set -eu
build=${1:-build/release}
runs=${2:-10}
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
# A settings folder of its own, so that kept window places do not change what is measured.
export XDG_CONFIG_HOME="$config"
export XDG_RUNTIME_DIR="$config"
exec xvfb-run -a -s "-screen 0 1600x1000x24" dbus-run-session -- \
    "$build/bench/bench_startup" -n "$runs" "$build/bench/bare_window" "$build/app/korvelt-time-control-demo"
