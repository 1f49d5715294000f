# The alarm dialog: its time and link rules (no Qt), the dialog and the bar's hook for it.
list(APPEND core_sources ${CMAKE_CURRENT_LIST_DIR}/AlarmRules.cpp)
if(TARGET quivlane_controls AND TARGET quivlane_resources)
    list(APPEND widget_sources
        ${CMAKE_CURRENT_LIST_DIR}/AlarmDialog.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BarAlarm.cpp)
    list(APPEND widget_libs quivlane_controls quivlane_resources)
endif()
