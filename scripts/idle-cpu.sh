#!/usr/bin/env bash
# How much CPU the standalone Velto uses with its window open and nothing
# moving: the app runs on a private virtual display, settles, and its user
# and system time over the next seconds (10 unless given) is read from
# /proc. The X server's share, which draws what the app sends, is shown too.
#
#   scripts/idle-cpu.sh [SECONDS]      (after a build into build/)
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
APP="${VELTO_STANDALONE:-$ROOT/build/Velto_artefacts/Release/Standalone/Velto}"
SECONDS_IDLE="${1:-10}"

[ -x "$APP" ] || { echo "no standalone at $APP: build first (scripts/build.sh)" >&2; exit 1; }

source "$ROOT/scripts/standalone-session.sh"
trap velto_session_stop EXIT

# utime + stime of a process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

velto_session_start "$APP"
# The preset bar's grey shows once the editor has been painted.
velto_wait_for_pixel 920 7 333333
sleep 2

ticks_per_second="$(getconf CLK_TCK)"
app0="$(cpu_ticks "$VELTO_APP_PID")" x0="$(cpu_ticks "$VELTO_XVFB_PID")"
sleep "$SECONDS_IDLE"
app1="$(cpu_ticks "$VELTO_APP_PID")" x1="$(cpu_ticks "$VELTO_XVFB_PID")"

awk -v a=$(( app1 - app0 )) -v x=$(( x1 - x0 )) -v hz="$ticks_per_second" -v s="$SECONDS_IDLE" 'BEGIN {
    printf "idle for %d s: Velto %.2f s of CPU (%.1f %% of one core), X server %.2f s (%.1f %%)\n",
           s, a / hz, 100 * a / hz / s, x / hz, 100 * x / hz / s }'
