# The engine against mpg123 on the same file; real-time playing cost.
if(TARGET quivlane_media_test_support)
    quivlane_add_benchmark(bench_media
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/MediaBench.cpp
        LIBS quivlane_media_test_support)
endif()
