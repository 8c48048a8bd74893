# VELTO_SANITIZE=address   -> AddressSanitizer + UndefinedBehaviorSanitizer
# VELTO_SANITIZE=thread    -> ThreadSanitizer
# Applied to every target, JUCE included, so that instrumented and
# uninstrumented code never share one process.
set(VELTO_SANITIZE "" CACHE STRING "Sanitizer build: empty, address or thread")
set_property(CACHE VELTO_SANITIZE PROPERTY STRINGS "" address thread)

# Tests run with the suppression file of their sanitizer: known reports from
# third-party code, each explained in the file. Ours get none.
set(_velto_supp_dir "${CMAKE_CURRENT_LIST_DIR}/../tests/sanitizers")
set(VELTO_SANITIZER_TEST_ENV "")

if(VELTO_SANITIZE STREQUAL "address")
    set(_velto_san_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    set(VELTO_SANITIZER_TEST_ENV "LSAN_OPTIONS=suppressions=${_velto_supp_dir}/lsan.supp")
elseif(VELTO_SANITIZE STREQUAL "thread")
    set(_velto_san_flags -fsanitize=thread -fno-omit-frame-pointer)
    set(VELTO_SANITIZER_TEST_ENV "TSAN_OPTIONS=suppressions=${_velto_supp_dir}/tsan.supp")
elseif(NOT VELTO_SANITIZE STREQUAL "")
    message(FATAL_ERROR "VELTO_SANITIZE must be empty, address or thread")
endif()

if(_velto_san_flags)
    add_compile_options(${_velto_san_flags})
    add_link_options(${_velto_san_flags})
endif()
