# A bar button's click and the following ticks on arbitrary labels, links and times.
quivlane_add_fuzzer(fuzz_bar_click
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzBarClick.cpp
            ${CMAKE_SOURCE_DIR}/tests/launcher/BarFakes.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/FakePorts.cpp
    LIBS quivlane_launcher_core)
if(TARGET fuzz_bar_click)
    target_include_directories(fuzz_bar_click PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
