#!/usr/bin/env bash
# The built VST3 and LV2 binaries export their entry points and the linker's
# own symbols, nothing else; no shipped binary, the standalone app included,
# holds JUCE's plug-in hosting code or the lilv, serd and sord it bundles.
#
#   shipped_symbols_test.sh VST3_BINARY LV2_BINARY STANDALONE
set -uo pipefail

VST3="$1" LV2="$2" APP="$3"
failed=0

fail() { echo "$1:"; echo "$2" | head -n 8 | sed 's/^/    /'; failed=1; }

# exports_only BINARY ENTRY_POINT...
exports_only()
{
    local binary="$1" names extra
    shift
    names="$(nm -D --defined-only "$binary" | awk '{ print $NF }')" || { fail "$binary" "nm failed"; return; }
    extra="$(echo "$names" | grep -vxF -e _init -e _fini -e __bss_start -e _edata -e _end "${@/#/-e}")"
    [ -z "$extra" ] || fail "$binary exports more than its entry points, e.g." "$extra"
}

exports_only "$VST3" GetPluginFactory ModuleEntry ModuleExit
exports_only "$LV2" lv2_descriptor lv2ui_descriptor

for binary in "$VST3" "$LV2" "$APP"; do
    symbols="$(nm -C "$binary")" || { fail "$binary" "nm -C failed"; continue; }
    hosting="$(echo "$symbols" | grep -E 'lilv_|serd_|sord_|VST3PluginFormat|lv2_host')"
    [ -z "$hosting" ] || fail "$binary holds plug-in hosting code, e.g." "$hosting"
done

[ "$failed" -eq 0 ] && echo "only entry points exported, no hosting code"
exit "$failed"
