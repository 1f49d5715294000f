# The autostart entry's Exec= quoting: arbitrary text read, and program paths round-tripped.
quivlane_add_fuzzer(fuzz_autostart_entry
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzAutostartEntry.cpp
    LIBS quivlane_platform_autostart)
