# The tooltip's placement, outline and show/hide rules on arbitrary sizes and event streams.
quivlane_add_fuzzer(fuzz_tooltip_rules
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzTooltipRules.cpp
            ${CMAKE_SOURCE_DIR}/launcher/tooltip/TooltipPlacement.cpp
            ${CMAKE_SOURCE_DIR}/launcher/tooltip/TooltipShape.cpp
            ${CMAKE_SOURCE_DIR}/launcher/tooltip/TooltipStateMachine.cpp
    LIBS quivlane_platform)
if(TARGET fuzz_tooltip_rules)
    target_include_directories(fuzz_tooltip_rules PRIVATE ${CMAKE_SOURCE_DIR})
endif()
