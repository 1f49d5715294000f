# Helpers for the tests, the benchmarks and the fuzz targets.
include(GoogleTest)

set(QUIVLANE_LSAN_SUPPRESSIONS ${PROJECT_SOURCE_DIR}/tests/support/lsan.supp)

# Tests of code with threads of its own; the TSan configuration builds and runs only these.
add_custom_target(quivlane_threaded_tests)

# quivlane_add_test(<name> SOURCES ... LIBS ... [QT] [THREADS] [TIMEOUT s])
# quivlane_add_test(<name> SCRIPT <file> [ARGS ...])
# A GoogleTest program, or with SCRIPT a whole-program test run by bash. QT selects the
# QApplication main and the offscreen platform; THREADS adds the test to the TSan run.
function(quivlane_add_test name)
    cmake_parse_arguments(ARG "QT;THREADS" "TIMEOUT;SCRIPT" "SOURCES;LIBS;ARGS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 300)
    endif()
    if(ARG_SCRIPT)
        add_test(NAME ${name} COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/${ARG_SCRIPT} ${ARG_ARGS})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT "LANG=C.UTF-8;QUIVLANE_BIN_DIR=${CMAKE_BINARY_DIR}/bin;QUIVLANE_TEST_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
            TIMEOUT ${ARG_TIMEOUT} LABELS e2e
            # Whole programs wait for what they see on screen; alone, a busy machine cannot
            # starve them.
            RUN_SERIAL TRUE)
        return()
    endif()

    add_executable(${name} ${ARG_SOURCES})
    if(ARG_QT)
        target_link_libraries(${name} PRIVATE quivlane_test_main_qt)
    else()
        target_link_libraries(${name} PRIVATE quivlane_test_main)
    endif()
    target_link_libraries(${name} PRIVATE quivlane_test_support ${ARG_LIBS})
    set(env
        LANG=C.UTF-8
        QT_QPA_PLATFORM=offscreen
        SDL_AUDIODRIVER=dummy
        QUIVLANE_TEST_BINARY_DIR=${CMAKE_BINARY_DIR}
        QUIVLANE_TEST_SOURCE_DIR=${PROJECT_SOURCE_DIR}
        "LSAN_OPTIONS=suppressions=${QUIVLANE_LSAN_SUPPRESSIONS}:print_suppressions=0"
        "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
        "TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1")
    set(labels unit)
    if(ARG_THREADS)
        set(labels threads)
        add_dependencies(quivlane_threaded_tests ${name})
    endif()
    # A list does not survive gtest_discover_tests' PROPERTIES, so the environment travels as a
    # launcher in front of the test program (used for discovery and for every case).
    set_target_properties(${name} PROPERTIES
        CROSSCOMPILING_EMULATOR "${CMAKE_COMMAND};-E;env;${env}")
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES TIMEOUT ${ARG_TIMEOUT} LABELS ${labels})
endfunction()

# Adds a libFuzzer executable.
function(quivlane_add_fuzzer name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE quivlane_settings ${ARG_LIBS})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()

# Adds a Google Benchmark executable.
function(quivlane_add_benchmark name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE quivlane_settings benchmark::benchmark ${ARG_LIBS})
endfunction()
