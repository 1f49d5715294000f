# The bar's balloon tips over its buttons.
if(TARGET quivlane_controls AND TARGET quivlane_resources)
    list(APPEND widget_sources ${CMAKE_CURRENT_LIST_DIR}/BarTooltips.cpp)
    list(APPEND widget_libs quivlane_tooltip_window)
endif()
