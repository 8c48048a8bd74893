# VELTO_SANITIZE=address   -> AddressSanitizer + UndefinedBehaviorSanitizer
# VELTO_SANITIZE=thread    -> ThreadSanitizer
# Applied to every target, JUCE included, so that instrumented and
# uninstrumented code never share one process.
set(VELTO_SANITIZE "" CACHE STRING "Sanitizer build: empty, address or thread")
set_property(CACHE VELTO_SANITIZE PROPERTY STRINGS "" address thread)

if(VELTO_SANITIZE STREQUAL "address")
    set(_velto_san_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
elseif(VELTO_SANITIZE STREQUAL "thread")
    set(_velto_san_flags -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT VELTO_SANITIZE STREQUAL "")
    message(FATAL_ERROR "VELTO_SANITIZE must be empty, address or thread")
endif()

if(_velto_san_flags)
    add_compile_options(${_velto_san_flags})
    add_link_options(${_velto_san_flags})
endif()
