#!/usr/bin/env bash
# Formats every C++ file of the project with its .clang-format; with --check, only reports
# the files that are not formatted and fails if there are any.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files -- src tests bench fuzz tools | grep -E '\.(cpp|h)$')
if [ "${1:-}" = "--check" ]; then
  bad=()
  for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || bad+=("$file")
  done
  if [ ${#bad[@]} -gt 0 ]; then
    echo "Not formatted (run make format):"
    printf '  %s\n' "${bad[@]}"
    exit 1
  fi
else
  clang-format -i "${files[@]}"
fi
