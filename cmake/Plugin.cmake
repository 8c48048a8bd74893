# The plug-in target. juce_add_plugin makes the shared-code target "Velto"
# and one target per format (Velto_VST3, Velto_LV2, Velto_Standalone).
set(VELTO_LV2_URI "https://velto.sorvan.audio/plugins/velto")

juce_add_plugin(Velto
    PRODUCT_NAME "Velto"
    VERSION 1.0.0
    COMPANY_NAME "Sorvan"
    COMPANY_WEBSITE "https://sorvan.audio"
    BUNDLE_ID "audio.sorvan.velto"
    PLUGIN_MANUFACTURER_CODE Sorv
    PLUGIN_CODE Velt
    # AU builds only on macOS; elsewhere JUCE skips it.
    FORMATS AU VST3 LV2 Standalone
    AU_EXPORT_PREFIX Velto
    IS_SYNTH FALSE
    NEEDS_MIDI_INPUT FALSE
    NEEDS_MIDI_OUTPUT FALSE
    IS_MIDI_EFFECT FALSE
    EDITOR_WANTS_KEYBOARD_FOCUS FALSE
    VST3_CATEGORIES Fx Spatial
    LV2URI "${VELTO_LV2_URI}"
    COPY_PLUGIN_AFTER_BUILD FALSE)

# Debian's JUCE 7.0.5 writes a relative URI into manifest.ttl unless the
# wrapper also sees the URI as a macro.
target_compile_definitions(Velto PUBLIC
    JucePlugin_LV2URI="${VELTO_LV2_URI}"
    JUCE_VST3_CAN_REPLACE_VST2=0)

# Audio Unit hosts store automation and projects against the full 32-bit hash
# of each parameter id. VST3 keeps JUCE's default of clearing the top bit,
# because that format reserves the negative ids for hosts.
if(TARGET Velto_AU)
    target_compile_definitions(Velto_AU PRIVATE JUCE_USE_STUDIO_ONE_COMPATIBLE_PARAMETERS=0)
endif()

target_link_libraries(Velto PRIVATE velto_engine velto_juce)

# A plug-in exports its entry points and nothing else: a host that loads
# plug-ins into one namespace could otherwise bind its own calls to our
# copies. Hidden visibility leaves out our code and JUCE's, but not the
# standard library's template instantiations (declared with default
# visibility) nor the filter bank's ifunc. A version script makes every
# symbol local but the named ones, whichever object or archive it comes from.
function(velto_export_only format)
    list(JOIN ARGN "; " symbols)
    set(script "${CMAKE_CURRENT_BINARY_DIR}/Velto_${format}.map")
    file(CONFIGURE OUTPUT "${script}" CONTENT "{\n  global: ${symbols};\n  local: *;\n};\n")
    target_link_options(Velto_${format} PRIVATE "LINKER:--version-script=${script}")
    set_property(TARGET Velto_${format} APPEND PROPERTY LINK_DEPENDS "${script}")
endfunction()

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
    velto_export_only(VST3 GetPluginFactory ModuleEntry ModuleExit)
    velto_export_only(LV2 lv2_descriptor lv2ui_descriptor)
endif()
