#!/usr/bin/env bash
# Runs one end-to-end case: the driver, under Wine on its own virtual display,
# against keyrill.exe in a fresh working directory. Test side (ctest command).
#   run_case.sh <prefix> <keyrill_e2e.exe> <case> <keyrill.exe> <work directory>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine_env.sh"

prefix=$1 driver=$2 case=$3 keyrill=$4 work=$5
rm -rf "$work"
mkdir -p "$work"
wine_env "$prefix"
start_display || exit 1
trap 'stop_wine; stop_display' EXIT

wine "$driver" "$case" "$keyrill" "$work"
