quivlane_add_fuzzer(fuzz_style_sheet
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzStyleSheet.cpp
    LIBS quivlane_tooltip_draw)
