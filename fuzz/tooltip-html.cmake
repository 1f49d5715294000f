# Markup drawn into an image and shown as the bar's balloon.
quivlane_add_fuzzer(fuzz_html_drawer
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzHtmlDrawer.cpp
    LIBS quivlane_tooltip_window quivlane_tooltip_html)
