#!/usr/bin/env bash
# The standalone Velto as a user meets it, on a display of its own: the
# window is grabbed from the X server as it first shows, ">" on the preset
# bar is clicked twice, the app is closed with its close button, and the
# state it saved must hold "TIGHT WIDE", the second factory preset.
#
#   standalone_next_preset_test.sh APP STATE_CHECK PICTURE.png
set -uo pipefail

APP="$1" STATE_CHECK="$2" PICTURE="$3"
source "$(dirname "$0")/../../scripts/standalone-session.sh"
trap velto_session_stop EXIT

# The preset bar, 150 x 25, has its top-right corner 5 px in from the
# editor's: "<" at 0-30, the name at 30-120, ">" at 120-150.
BAR_X=$(( VELTO_EDITOR_W - 5 - 150 )) BAR_Y=5
NEXT_X=$(( BAR_X + 135 )) NEXT_Y=$(( BAR_Y + 12 ))
NAME_X=$(( BAR_X + 30 )) NAME_W=90 NAME_H=25
PILL_GREY=333333

velto_session_start "$APP" || exit 1
velto_wait_for_pixel $(( BAR_X + 75 )) $(( BAR_Y + 2 )) "$PILL_GREY" || exit 1
velto_grab "$PICTURE" || exit 1
echo "wrote $PICTURE"

for preset in INIT "TIGHT WIDE"; do
    name="$(velto_area_signature "$NAME_X" "$BAR_Y" "$NAME_W" "$NAME_H")"
    velto_click "$NEXT_X" "$NEXT_Y"
    # The bar shows the preset's name once it is applied.
    velto_wait_for_change "$NAME_X" "$BAR_Y" "$NAME_W" "$NAME_H" "$name" || { echo "\">\" did not reach $preset"; exit 1; }
    # Far enough apart not to count as a double-click.
    sleep 0.6
done

velto_close_app || exit 1
"$STATE_CHECK" "$VELTO_SETTINGS" "TIGHT WIDE"
