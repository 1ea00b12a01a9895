#!/usr/bin/env bash
# Fails, naming the files, when a tracked C++ file differs from what clang-format (the repo's .clang-format)
# makes of it. `scripts/check-format.sh --fix` rewrites them instead.
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.cpp' '*.h' 2>/dev/null || find src server tests bench fuzz tools -name '*.cpp' -o -name '*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format -i "${files[@]}"
    exit 0
fi
# One clang-format for all files: it names each file it would change in its diagnostics.
mapfile -t unformatted < <(clang-format --dry-run -Werror "${files[@]}" 2>&1 |
    grep -oE '^[^:]+:[0-9]+:[0-9]+: (error|warning)' | cut -d: -f1 | sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
    echo "Not formatted as .clang-format says (scripts/check-format.sh --fix mends them):" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    exit 1
fi
