# The alarm dialog's rules on a real configuration file, without any display.
quivlane_add_test(AlarmRulesTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AlarmRulesTest.cpp
    LIBS quivlane_launcher_core quivlane_config)

# The dialog and the bar's hook for it, offscreen.
if(TARGET quivlane_launcher)
    find_package(Qt6 REQUIRED COMPONENTS Test)
    quivlane_add_test(AlarmDialogTest QT
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/AlarmDialogTest.cpp
        LIBS quivlane_launcher quivlane_config Qt6::Test)
endif()
