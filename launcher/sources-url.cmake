# The web-address box: the address rules (no Qt) and the dialog.
list(APPEND core_sources ${CMAKE_CURRENT_LIST_DIR}/NormaliseAddress.cpp)
# The dialog is built on the skinned controls; without them the rules still build.
if(TARGET quivlane_controls)
    list(APPEND widget_sources ${CMAKE_CURRENT_LIST_DIR}/UrlEntryDialog.cpp)
    list(APPEND widget_libs quivlane_controls)
endif()
