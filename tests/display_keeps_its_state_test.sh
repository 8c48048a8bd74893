#!/usr/bin/env bash
# The display the suite runs on must not reset when its last client leaves:
# a server that does refuses or cuts off the clients that connect meanwhile,
# and a test killed that way dies without a word. Run alone, this script's
# xprop is for a moment the server's only client; a reset in between takes
# the root window's properties and atoms with it.
set -uo pipefail

name=VELTO_DISPLAY_KEEPS_ITS_STATE value="kept $$"
xprop -root -f "$name" 8s -set "$name" "$value" || exit 1
seen="$(xprop -root "$name")"
[ "$seen" = "$name(STRING) = \"$value\"" ] && exec xprop -root -remove "$name"
echo "display ${DISPLAY:-} reset when its last client left; the second client saw: $seen" >&2
exit 1
