quivlane_add_fuzzer(fuzz_html_drawer
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzHtmlDrawer.cpp
    LIBS quivlane_tooltip_html)
