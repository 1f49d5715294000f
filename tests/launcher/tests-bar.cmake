# The bar's rules, driven through fakes without any display.
quivlane_add_test(LauncherBarCoreTest
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/BarFakes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BarStartUpTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BarKeywordTableTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ClickTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/TickTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LauncherLazySoundTest.cpp
    LIBS quivlane_launcher_core)

# The bar's window, offscreen.
if(TARGET quivlane_launcher)
    quivlane_add_test(LauncherBarTest QT
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/LauncherBarTest.cpp
        LIBS quivlane_launcher quivlane_config)
endif()
