quivlane_add_test(DrawTests QT
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/DrawManagerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StyleColorTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StyleLengthTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/StyleSheetTest.cpp
    LIBS quivlane_tooltip_draw)
