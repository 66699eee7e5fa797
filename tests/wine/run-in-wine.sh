#!/usr/bin/env bash
# Runs a Windows program in the test prefix: run-in-wine.sh ROOT PROGRAM [ARGS...]
set -u
here=$(dirname "$(readlink -f "$0")")
. "$here/env.sh"
root=$1; shift
wine_env "$root"
exec wine "$@"
