#!/usr/bin/env bash
# Two clean builds of the executable, in two different folders, give the same bytes.
# Usage: reproducible.sh SOURCE_DIR TOOLCHAIN_FILE
set -euo pipefail
source_dir=$1 toolchain=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for build in first second-build; do
    cmake -S "$source_dir" -B "$work/$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
          -DCMAKE_BUILD_TYPE=MinSizeRel >/dev/null
    cmake --build "$work/$build" --target tallyra -j"$(nproc)" >/dev/null
done
cmp "$work/first/tallyra.exe" "$work/second-build/tallyra.exe"
