# Drawing effects, text styles, colours and style sheets: the ground the HTML renderer
# stands on. Qt Gui only.
add_library(quivlane_tooltip_draw STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ColorReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DrawManager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Icon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LengthReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/QtStyleSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StyleSheet.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextStyle.cpp)
target_link_libraries(quivlane_tooltip_draw PUBLIC quivlane_settings quivlane_platform Qt6::Gui)
target_include_directories(quivlane_tooltip_draw PUBLIC ${CMAKE_SOURCE_DIR})
