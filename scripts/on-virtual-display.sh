#!/usr/bin/env bash
# Runs a command on a virtual X display of its own, of the given size:
#
#   scripts/on-virtual-display.sh WIDTHxHEIGHT COMMAND [ARGUMENTS...]
#
# The test suite, the benchmarks and the standalone without a desktop run
# this way, and so do the tests whose windows must not overlap other tests'
# windows or need a larger screen than the shared one.
set -uo pipefail

source "$(dirname "$0")/standalone-session.sh"
trap velto_session_stop EXIT

velto_start_display "$1" || exit 1
shift
"$@"
