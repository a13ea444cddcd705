# Build options that turn the project's habits into build failures.
#   WRENLY_WERROR    ON: every compiler warning is an error.
#   WRENLY_SANITIZE  sanitizers for every target, e.g. "address;undefined" (empty: none).
#   WRENLY_FUZZ      ON (clang only): tests/fuzz builds libFuzzer programs, and every target gets
#                    coverage for them; the sanitizers default to "address;undefined".
# Included before the first target so that the flags reach every library, program, tool and test.

option(WRENLY_WERROR "Turn compiler warnings into errors" OFF)
set(WRENLY_SANITIZE "" CACHE STRING "Sanitizers for every target, e.g. address;undefined")
option(WRENLY_BENCH "Build the benchmarks in bench/" ON)
option(WRENLY_FUZZ "Build the fuzz targets in tests/fuzz with libFuzzer (clang)" OFF)

if(WRENLY_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "WRENLY_FUZZ needs clang: configure with CXX=clang++")
    endif()
    if(NOT WRENLY_SANITIZE)
        set(WRENLY_SANITIZE "address;undefined")
    endif()
    # Coverage in the libraries too, or the fuzzer sees only its own small entry point.
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(WRENLY_WERROR)
    add_compile_options(-Werror)
endif()

# GNU ld takes seconds for each of the many test programs, lld a fraction: CI links about 150.
find_program(WRENLY_LLD ld.lld)
if(WRENLY_LLD AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_link_options(-fuse-ld=lld)
endif()

# Environment of every program the build or ctest runs, so that a sanitizer report fails the run.
# LeakSanitizer stays on: the suite reports no leak, not even inside Qt, fontconfig or the plugins.
# Should one appear inside a system library, suppress it in a file here (LSAN_OPTIONS=suppressions=)
# rather than turning leak detection off.
set(WRENLY_SANITIZER_ENV "")
if(WRENLY_SANITIZE)
    list(JOIN WRENLY_SANITIZE "," sanitizers)
    add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer)
    add_link_options(-fsanitize=${sanitizers})
    if("undefined" IN_LIST WRENLY_SANITIZE)
        # Stop at the first undefined behaviour instead of printing and going on.
        add_compile_options(-fno-sanitize-recover=undefined)
        add_link_options(-fno-sanitize-recover=undefined)
    endif()
    list(APPEND WRENLY_SANITIZER_ENV
        "ASAN_OPTIONS=halt_on_error=1:abort_on_error=0:detect_leaks=1:detect_stack_use_after_return=1:strict_init_order=1:check_initialization_order=1"
        "LSAN_OPTIONS=report_objects=1"
        "UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:report_error_type=1")
endif()
