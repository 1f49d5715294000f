# The bar: its rules (no Qt), its window and the program.
list(APPEND core_sources
    ${CMAKE_CURRENT_LIST_DIR}/BarController.cpp
    ${CMAKE_CURRENT_LIST_DIR}/KeywordTable.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextRules.cpp)
# The window needs the skinned controls and their pictures; the rules build without them.
if(TARGET quivlane_controls AND TARGET quivlane_resources)
    list(APPEND widget_sources
        ${CMAKE_CURRENT_LIST_DIR}/AboutBox.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LauncherBar.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LauncherApp.cpp)
    list(APPEND widget_libs quivlane_controls quivlane_resources quivlane_platform_qt
        quivlane_platform_linux)
    list(APPEND launcher_program_sources ${CMAKE_CURRENT_LIST_DIR}/main.cpp)
endif()
