# The HTML subset renderer and its tables, over the drawing and style pieces.
add_library(quivlane_tooltip_html STATIC
    ${CMAKE_CURRENT_LIST_DIR}/HtmlPreprocessor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlTagTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlTokenReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlBlockSplitter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlTableReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlResourceResolver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlFontCache.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlImage.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlLayout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlDrawer.cpp
)
target_include_directories(quivlane_tooltip_html PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quivlane_tooltip_html PUBLIC quivlane_settings quivlane_platform
    quivlane_tooltip_draw Qt6::Gui)
