# Markup reading needs no display; layout and pixels run on the offscreen platform.
quivlane_add_test(HtmlParseTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/HtmlParseTest.cpp
    LIBS quivlane_tooltip_html)

quivlane_add_test(HtmlTests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/HtmlTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/HtmlDrawerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/HtmlTableTest.cpp
    LIBS quivlane_tooltip_html
    QT)
