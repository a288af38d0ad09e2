#!/usr/bin/env bash
# Fails when the source folders' includes form a cycle, when a folder below src/app includes
# from src/app (the top: main window and entry point), or when a logic file includes widgets
# (a Designer form's generated header among them).
set -euo pipefail
cd "$(dirname "$0")/../src"

edges=$(grep -r -o -E '^#include "[a-z]+/' --include='*.h' --include='*.cpp' . |
  sed -E 's#^\./([a-z]+)/[^:]*:\#include "([a-z]+)/#\1 \2#' | awk '$1 != $2' | sort -u)
status=0

if ! printf '%s\n' "$edges" | tsort >/dev/null 2>&1; then
  echo "Include cycle between source folders:"
  printf '%s\n' "$edges" | tsort 2>&1 >/dev/null | sed 's/^tsort: -: input contains a loop:/ loop:/; s/^tsort: /  /' || true
  status=1
fi

upward=$(printf '%s\n' "$edges" | awk '$2 == "app" { print "  " $1 " includes app/" }')
if [ -n "$upward" ]; then
  echo "Only src/app may include from src/app:"
  echo "$upward"
  status=1
fi

# The logic library's sources are listed as tovarel_core sources in each folder's CMakeLists.txt.
for list in */CMakeLists.txt; do
  folder=${list%/CMakeLists.txt}
  core=$(awk '/target_sources\(tovarel_core/ {on=1} on {print} on && /\)/ {on=0}' "$list" |
    grep -o -E '[A-Za-z0-9_]+\.cpp' || true)
  for source in $core; do
    header=${source%.cpp}.h
    for file in "$folder/$source" "$folder/$header"; do
      [ -f "$file" ] || continue
      if grep -q -E '^#include (<(QtWidgets/)?Q(Widget|Dialog|MainWindow|Label|PushButton|Menu|Application|MessageBox|PlainTextEdit|TextEdit|Abstract[A-Za-z]*View|[A-Za-z]*Widget)>|"ui_[A-Za-z0-9_]+\.h")' "$file"; then
        echo "Logic file includes a widget header: src/$file"
        status=1
      fi
    done
  done
done
exit $status
