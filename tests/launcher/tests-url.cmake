# The web-address box: its rules without Qt, its dialog offscreen.
quivlane_add_test(NormaliseAddressTests
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/NormaliseAddressTest.cpp
        ${CMAKE_SOURCE_DIR}/launcher/NormaliseAddress.cpp)
if(TARGET quivlane_controls)
    # Key and mouse clicks as a user gives them.
    find_package(Qt6 REQUIRED COMPONENTS Test)
    quivlane_add_test(UrlEntryDialogTests QT
        SOURCES
            ${CMAKE_CURRENT_LIST_DIR}/UrlEntryDialogTest.cpp
            ${CMAKE_SOURCE_DIR}/launcher/UrlEntryDialog.h
            ${CMAKE_SOURCE_DIR}/launcher/UrlEntryDialog.cpp
            ${CMAKE_SOURCE_DIR}/launcher/NormaliseAddress.cpp
        LIBS quivlane_controls Qt6::Test)
    set_target_properties(UrlEntryDialogTests PROPERTIES AUTOMOC ON)
endif()
