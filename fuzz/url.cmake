# Repair of typed web addresses on arbitrary text.
quivlane_add_fuzzer(fuzz_normalise_address
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzNormaliseAddress.cpp
            ${CMAKE_SOURCE_DIR}/launcher/NormaliseAddress.cpp)
if(TARGET fuzz_normalise_address)
    target_include_directories(fuzz_normalise_address PRIVATE ${CMAKE_SOURCE_DIR})
endif()
