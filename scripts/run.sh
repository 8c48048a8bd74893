#!/usr/bin/env bash
# Installs what is needed, builds the plug-in in every format and starts the
# standalone Velto. Without a display it checks that the LV2 bundle is
# visible to LV2 hosts and starts the standalone under a virtual display for
# a few seconds instead.
set -euo pipefail

ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" "$ROOT/build" -DCMAKE_BUILD_TYPE=Release

ART="$ROOT/build/Velto_artefacts/Release"
echo
echo "VST3:       $ART/VST3/Velto.vst3"
echo "LV2:        $ART/LV2/Velto.lv2"
echo "Standalone: $ART/Standalone/Velto"
echo "LV2 hosts see: $(LV2_PATH="$ART/LV2" lv2ls)"

if [ -n "${DISPLAY:-}" ]; then
    exec "$ART/Standalone/Velto"
fi

echo "No display: starting the standalone under Xvfb for 5 seconds."
set +e
"$ROOT/scripts/on-virtual-display.sh" 1280x1024 timeout 5 "$ART/Standalone/Velto"
rc=$?
set -e
# timeout's 124 means the app was still running when the time ran out.
if [ "$rc" -ne 124 ] && [ "$rc" -ne 0 ]; then
    echo "The standalone exited with status $rc" >&2
    exit "$rc"
fi
echo "The standalone started and ran."
