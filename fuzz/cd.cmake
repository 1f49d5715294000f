# The media-control interpreter on arbitrary command strings over a simulated disc.
quivlane_add_fuzzer(fuzz_mci_interpreter
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzMciInterpreter.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/SimulatedCdDrive.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/FakePorts.cpp
    LIBS quivlane_mci)
if(TARGET fuzz_mci_interpreter)
    target_include_directories(fuzz_mci_interpreter PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
