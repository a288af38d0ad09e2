#!/usr/bin/env bash
# Fails when the folder table of README.md (its "## Layout" section) misses a folder of the
# repository, top level or one level down, or names a folder that is not there. The folders
# are those holding tracked files; a cell names its folders in backquotes.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "Not a git checkout: the folders are taken from git ls-files."
  exit 77
fi

folders=$(git ls-files | awk -F/ 'NF > 1 { print $1 } NF > 2 { print $1 "/" $2 }' | sort -u)
listed=$(awk '/^## / { on = ($0 == "## Layout") } on && /^\|/' README.md | cut -d'|' -f2 |
  { grep -o '`[^`]*`' || true; } | tr -d '`' | sed 's#/$##' | sort -u)

status=0
missing=$(comm -23 <(printf '%s\n' "$folders") <(printf '%s\n' "$listed"))
if [ -n "$missing" ]; then
  echo "Folders missing from the folder table of README.md:"
  printf '  %s\n' $missing
  status=1
fi
stale=$(comm -13 <(printf '%s\n' "$folders") <(printf '%s\n' "$listed") | grep -v '^$' || true)
if [ -n "$stale" ]; then
  echo "README.md lists folders that hold no tracked file:"
  printf '  %s\n' $stale
  status=1
fi
exit $status
