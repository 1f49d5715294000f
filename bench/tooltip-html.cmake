quivlane_add_benchmark(bench_tooltip_html
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/HtmlBench.cpp
    LIBS quivlane_tooltip_html)
