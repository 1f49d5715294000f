# The tooltip window: the show/hide rules and the outline need no Qt; the window itself is a
# widget, for its shape mask and its show-without-activation.
add_library(quivlane_tooltip_window STATIC
    ${CMAKE_CURRENT_LIST_DIR}/TooltipPlacement.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TooltipShape.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TooltipStateMachine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlTooltip.cpp)
target_include_directories(quivlane_tooltip_window PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quivlane_tooltip_window PUBLIC quivlane_settings quivlane_platform
    quivlane_tooltip_html quivlane_tooltip_draw Qt6::Gui Qt6::Widgets)
