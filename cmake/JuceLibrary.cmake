# JUCE is compiled once per build tree into static libraries that every
# target shares, instead of once per target:
#
#   velto_juce                      every module the project uses, less the
#                                   sources of juce_audio_processors; what the
#                                   plug-in formats, the subsystem libraries,
#                                   the tests and the benchmarks all link
#   velto_juce_processors           juce_audio_processors without plug-in hosting
#   velto_juce_processors_hosting   juce_audio_processors with VST3 and LV2 hosting
#
# Hosting is for the programs that load the built bundles the way a host does
# (the wrapper tests and the in-host benchmark) and nothing else: in a shipped
# plug-in it is dead code that also carries JUCE's copies of lilv, serd and
# sord, the libraries LV2 hosts link themselves. The hosting macros add only
# declarations to JUCE's headers; the module's own sources are all they
# change, so that module alone is compiled twice.
#
# A final target (executable or plug-in) gets the processors variant it asks
# for through velto_juce, whatever chain of libraries it links velto_juce by:
#
#   velto_juce_hosting(my_test)     hosting, and the macros that declare it
#
# The one variant is picked per final target, so no link line ever holds both.
add_library(velto_juce STATIC)

# JUCE's module targets carry their .cpp files as interface sources, which
# linking a module (or one that depends on it) compiles into the linking
# target. Taken off juce_audio_processors, they are compiled by the variants
# below instead.
get_target_property(_velto_processors_sources juce_audio_processors INTERFACE_SOURCES)
set_target_properties(juce_audio_processors PROPERTIES INTERFACE_SOURCES "")

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
        JUCE_USE_OGGVORBIS=0)

set(_velto_hosting_definitions JUCE_PLUGINHOST_VST3=1 JUCE_PLUGINHOST_LV2=1)
set(_velto_wants_hosting "$<BOOL:$<TARGET_PROPERTY:VELTO_JUCE_HOSTING>>")

# Consumers see exactly the macros and include paths the modules were
# compiled with, without re-adding the module sources; a target that hosts
# plug-ins also sees the hosting classes declared.
target_compile_definitions(velto_juce INTERFACE
    $<TARGET_PROPERTY:velto_juce,COMPILE_DEFINITIONS>
    "$<${_velto_wants_hosting}:${_velto_hosting_definitions}>")
target_include_directories(velto_juce SYSTEM INTERFACE
    $<TARGET_PROPERTY:velto_juce,INCLUDE_DIRECTORIES>)

# Debian builds JUCE against the system's zlib, libpng and libjpeg.
find_package(ZLIB REQUIRED)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
target_link_libraries(velto_juce PUBLIC ZLIB::ZLIB PNG::PNG JPEG::JPEG)

# The variants use velto_juce's modules (the Component and message classes)
# and velto_juce's juce_audio_utils uses theirs (AudioProcessorPlayer): the
# two static libraries form a cycle, which CMake repeats on link lines.
foreach(_velto_variant IN ITEMS velto_juce_processors velto_juce_processors_hosting)
    add_library(${_velto_variant} STATIC ${_velto_processors_sources})
    target_compile_definitions(${_velto_variant} PRIVATE
        $<TARGET_PROPERTY:velto_juce,COMPILE_DEFINITIONS>)
    target_include_directories(${_velto_variant} PRIVATE
        $<TARGET_PROPERTY:velto_juce,INCLUDE_DIRECTORIES>)
    target_link_libraries(${_velto_variant}
        PRIVATE juce::juce_recommended_config_flags
        INTERFACE velto_juce)
endforeach()
target_compile_definitions(velto_juce_processors_hosting PRIVATE ${_velto_hosting_definitions})

target_link_libraries(velto_juce INTERFACE
    "$<IF:${_velto_wants_hosting},velto_juce_processors_hosting,velto_juce_processors>")

set_target_properties(velto_juce velto_juce_processors velto_juce_processors_hosting PROPERTIES
    POSITION_INDEPENDENT_CODE TRUE
    VISIBILITY_INLINES_HIDDEN TRUE
    C_VISIBILITY_PRESET hidden
    CXX_VISIBILITY_PRESET hidden)

# Gives a final target JUCE's VST3 and LV2 hosting.
function(velto_juce_hosting target)
    set_target_properties(${target} PROPERTIES VELTO_JUCE_HOSTING ON)
endfunction()
