#!/bin/sh
# Runs the picture forge again into a scratch folder and compares both archives byte for byte.
set -eu
forge=$1
built=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$forge" "$scratch" >/dev/null
cmp "$scratch/Res/Res1.dxg" "$built/Res/Res1.dxg"
cmp "$scratch/Res/Res3.dxg" "$built/Res/Res3.dxg"
