#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks it (installed_game.sh).
#
#   install_check.sh BUILD_DIR OUT
set -euo pipefail
build=$1
out=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
mkdir -p "$out"
cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1 || {
    cat "$out/install.log" >&2
    exit 1
}
bash "$(dirname "$0")/installed_game.sh" "$prefix" "$out"
