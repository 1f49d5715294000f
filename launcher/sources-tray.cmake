# The notification-area icon: its rules (no Qt) and the Qt tray.
list(APPEND core_sources
    ${CMAKE_CURRENT_LIST_DIR}/TrayIcon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TrayGeometry.cpp)
if(TARGET quivlane_resources)
    list(APPEND widget_sources
        ${CMAKE_CURRENT_LIST_DIR}/BarRunLoop.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BarTray.cpp)
    list(APPEND widget_libs quivlane_resources)
endif()
