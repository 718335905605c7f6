#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the tree drifts from .clang-format; `clang-format -i FILE` mends it.
set -euo pipefail
cd "$(dirname "$0")/.."
drift=()
while IFS= read -r file; do
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || drift+=("$file")
done < <(find src tests bench tools -name '*.cpp' -o -name '*.h' | sort)
if [ ${#drift[@]} -gt 0 ]; then
    printf 'These files drift from .clang-format (run clang-format -i on them):\n' >&2
    printf '  %s\n' "${drift[@]}" >&2
    exit 1
fi
