#!/usr/bin/env bash
# Installs the build into a fresh temporary prefix and makes the prefix read-only, as a
# system installation is for a user.
set -euo pipefail
build="$1" prefix="$2"
[ -d "$prefix" ] && chmod -R u+w "$prefix"
rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
