# The notification-area icon's rules, without any display.
quivlane_add_test(TrayRulesTest
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/TrayIconTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TrayGeometryTest.cpp
    LIBS quivlane_launcher_core)

# The Qt tray and the bar hiding into it, offscreen.
if(TARGET quivlane_launcher)
    quivlane_add_test(TrayBarTest QT
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/BarFakes.cpp
            ${CMAKE_CURRENT_LIST_DIR}/BarTrayTest.cpp
        LIBS quivlane_launcher quivlane_config)
endif()
