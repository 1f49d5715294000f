quivlane_add_benchmark(bench_config
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/ConfigBench.cpp
    LIBS quivlane_config)
