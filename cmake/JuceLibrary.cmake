# One static library holds every JUCE module the project uses. The plug-in
# formats, the subsystem libraries, the tests and the benchmarks all link it,
# so JUCE is compiled once per build tree instead of once per target.
add_library(velto_juce STATIC)

target_link_libraries(velto_juce
    PRIVATE
        juce::juce_audio_utils
        juce::juce_audio_processors
        juce::juce_audio_formats
        juce::juce_gui_extra
        juce::juce_opengl
    PUBLIC
        juce::juce_recommended_config_flags)

target_compile_definitions(velto_juce
    PUBLIC
        JUCE_DISPLAY_SPLASH_SCREEN=0
        JUCE_REPORT_APP_USAGE=0
        JUCE_WEB_BROWSER=0
        JUCE_USE_CURL=0
        JUCE_MODAL_LOOPS_PERMITTED=1
        # Debian's JUCE ships without the FLAC and Ogg sources.
        JUCE_USE_FLAC=0
        JUCE_USE_OGGVORBIS=0
        # The wrapper tests and the in-host benchmark load the built VST3
        # and LV2 bundles the way a host does, through JUCE's own hosting.
        JUCE_PLUGINHOST_VST3=1
        JUCE_PLUGINHOST_LV2=1)

# Consumers see exactly the macros and include paths the modules were
# compiled with, without re-adding the module sources.
target_compile_definitions(velto_juce INTERFACE
    $<TARGET_PROPERTY:velto_juce,COMPILE_DEFINITIONS>)
target_include_directories(velto_juce SYSTEM INTERFACE
    $<TARGET_PROPERTY:velto_juce,INCLUDE_DIRECTORIES>)

# Debian builds JUCE against the system's zlib, libpng and libjpeg.
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
target_link_libraries(velto_juce PUBLIC ZLIB::ZLIB PNG::PNG JPEG::JPEG)

set_target_properties(velto_juce PROPERTIES
    POSITION_INDEPENDENT_CODE TRUE
    VISIBILITY_INLINES_HIDDEN TRUE
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)
