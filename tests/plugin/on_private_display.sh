#!/usr/bin/env bash
# Runs a command on an X display of its own, of the given size:
#
#   on_private_display.sh WIDTHxHEIGHT COMMAND [ARGUMENTS...]
#
# for programs whose windows must not overlap other tests' windows or need
# a larger screen than the shared one.
set -uo pipefail

source "$(dirname "$0")/../../scripts/standalone-session.sh"
trap velto_session_stop EXIT

velto_start_display "$1" || exit 1
shift
"$@"
