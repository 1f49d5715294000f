quivlane_add_fuzzer(fuzz_config_store
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/FuzzConfigStore.cpp
    LIBS quivlane_config)
