# The tooltip window's rules and outline need no display; the window runs offscreen.
quivlane_add_test(TooltipRuleTests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/TooltipStateMachineTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TooltipPlacementTest.cpp
    LIBS quivlane_tooltip_window)

quivlane_add_test(TooltipWindowTests QT
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/TooltipWindowTest.cpp
    LIBS quivlane_tooltip_window)

# The bar's tips through its event relay.
if(TARGET quivlane_launcher)
    quivlane_add_test(TooltipBarTests QT
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/TooltipBarTest.cpp
        LIBS quivlane_launcher quivlane_config)
endif()
