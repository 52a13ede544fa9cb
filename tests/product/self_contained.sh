#!/usr/bin/env bash
# The product links without a C runtime: every symbol a library uses must be its own.
# Usage: self_contained.sh NM LIBRARY
set -euo pipefail
export LC_ALL=C  # the tools' labels are read below, untranslated
nm=$1 lib=$2
missing=$(comm -23 <("$nm" -u "$lib" | awk 'NF == 2 { print $2 }' | sort -u) \
                   <("$nm" --defined-only "$lib" | awk 'NF == 3 { print $3 }' | sort -u))
if [ -n "$missing" ]; then
    printf '%s needs symbols from outside:\n%s\n' "$lib" "$missing"
    exit 1
fi
echo "$lib is self-contained"
