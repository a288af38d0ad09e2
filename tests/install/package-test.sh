#!/usr/bin/env bash
# Unpacks the Debian package that `make package` built into a temporary root and starts the
# unpacked program: --version, then one offscreen start that must find the unpacked share
# folder (it seeds the user's folder from it). Skipped (77) without a package as new as the build.
set -euo pipefail
build="$1" version="$2"
deb=$(ls -t "$build"/tovarel_*.deb 2>/dev/null | head -n 1 || true)
if [ -z "$deb" ] || [ "$deb" -ot "$build/bin/tovarel" ]; then
  echo "No package as new as the build: run make package first."
  exit 77
fi
work=$(mktemp -d)
trap 'kill "${pid:-}" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
[[ "$depends" == *libqt6widgets6* ]] || fail "the Qt libraries are not among the dependencies"
# The word lists are compiled into the package's dictionaries at build time.
if grep -Eq '(^|[ ,])(w(american|british|canadian|ngerman|french|spanish)|[a-z0-9.+-]+-dev)([ ,(]|$)' <<<"$depends"; then
  fail "a build-only package is among the dependencies"
fi

# Debian's own checks: warnings are listed, errors fail.
lintian --fail-on error "$deb" || fail "lintian reports errors"

dpkg-deb -x "$deb" "$work/root"
for dictionary in american british canadian german french spanish; do
  [ -s "$work/root/usr/share/tovarel/spell/$dictionary.dct" ] || fail "spell/$dictionary.dct is not in the package"
done
program="$work/root/usr/bin/tovarel"
[ "$("$program" --version)" = "tovarel $version" ] || fail "--version printed something else"

export HOME="$work/home" XDG_DATA_HOME="$work/home/data" QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME"
"$program" >"$work/log" 2>&1 &
pid=$!
seeded="$XDG_DATA_HOME/tovarel/spell/spell.cfg"
for _ in $(seq 200); do
  [ -f "$seeded" ] && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/log"; fail "the program ended during start-up"; }
  sleep 0.1
done
cmp "$seeded" "$work/root/usr/share/tovarel/spell/spell.cfg" || fail "the user's folder was not seeded from the share folder"
kill -0 "$pid" 2>/dev/null || fail "the program ended during start-up"
echo "The unpacked program started from its share folder."
