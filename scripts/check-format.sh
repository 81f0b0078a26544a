#!/usr/bin/env bash
# Fails when a C++ source differs from the layout in .clang-format, naming each place.
#   scripts/check-format.sh           every tracked .cpp and .h
#   scripts/check-format.sh FILE...   the files named
# To lay a file out: clang-format -i FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

format=$(command -v clang-format-14 || command -v clang-format || true)
if [ -z "$format" ]; then
    echo "clang-format is not installed (scripts/install-deps.sh installs it)" >&2
    exit 2
fi

if [ $# -gt 0 ]; then
    files=("$@")
elif git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h' ':!:build/*')
else
    mapfile -t files < <(find . -path ./build -prune -o -type f \( -name '*.cpp' -o -name '*.h' \) -print | sed 's|^\./||' | sort)
fi

if ! printf '%s\0' "${files[@]}" | xargs -0 "$format" --style=file --dry-run --Werror; then
    echo "== format: the files above differ from .clang-format (clang-format -i FILE lays them out)"
    exit 1
fi
echo "== format: ${#files[@]} files laid out as .clang-format says"
