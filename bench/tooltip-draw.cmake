quivlane_add_benchmark(bench_tooltip_draw
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DrawBench.cpp
    LIBS quivlane_tooltip_draw)
