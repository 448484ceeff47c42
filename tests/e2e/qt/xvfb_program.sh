# What the scripts that drive the real keyrill binary under Xvfb share (sourced):
# their two arguments, the checks library, and the program stopped however the
# script ends (the script sets pid once it has started it).
# Usage: source xvfb_program.sh <keyrill binary> <scratch directory>
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../lib/checks.sh"
need_window_env
keyrill=$1
work=$2
pid=

cleanup() { stop_pids "$pid"; }
trap cleanup EXIT
