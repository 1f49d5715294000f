# Language level, warnings and build switches shared by every target.

option(QUIVLANE_WERROR "Treat warnings as errors" OFF)
option(QUIVLANE_ASAN "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUIVLANE_TSAN "Build with ThreadSanitizer" OFF)
option(QUIVLANE_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
option(QUIVLANE_BENCH "Build the benchmarks" ON)
option(QUIVLANE_TESTS "Build the tests" ON)

if(QUIVLANE_ASAN AND QUIVLANE_TSAN)
    message(FATAL_ERROR "QUIVLANE_ASAN and QUIVLANE_TSAN cannot be combined")
endif()

add_library(quivlane_settings INTERFACE)
target_compile_features(quivlane_settings INTERFACE cxx_std_20)
# One include root: every header is named from the top of the tree ("config/ConfigFile.h").
target_include_directories(quivlane_settings INTERFACE ${PROJECT_SOURCE_DIR})
target_compile_options(quivlane_settings INTERFACE
    -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wno-missing-field-initializers)
target_compile_definitions(quivlane_settings INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_KEYWORDS QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
if(QUIVLANE_WERROR)
    target_compile_options(quivlane_settings INTERFACE -Werror)
endif()
# GCC 12 reports -Wrestrict on libstdc++'s own string concatenation at -O3 (GCC bug 105329).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(quivlane_settings INTERFACE -Wno-restrict)
endif()

set(QUIVLANE_SANITIZE_FLAGS "")
if(QUIVLANE_ASAN)
    set(QUIVLANE_SANITIZE_FLAGS -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
elseif(QUIVLANE_TSAN)
    set(QUIVLANE_SANITIZE_FLAGS -fsanitize=thread -fno-omit-frame-pointer)
endif()
if(QUIVLANE_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUIVLANE_FUZZ needs clang (CXX=clang++)")
    endif()
    list(APPEND QUIVLANE_SANITIZE_FLAGS -fsanitize=fuzzer-no-link)
    if(NOT QUIVLANE_ASAN)
        list(APPEND QUIVLANE_SANITIZE_FLAGS -fsanitize=address,undefined -fno-omit-frame-pointer)
    endif()
endif()
if(QUIVLANE_SANITIZE_FLAGS)
    target_compile_options(quivlane_settings INTERFACE ${QUIVLANE_SANITIZE_FLAGS})
    target_link_options(quivlane_settings INTERFACE ${QUIVLANE_SANITIZE_FLAGS})
endif()
