# The CD player: its rules and the menu (no Qt) over the media-control port.
list(APPEND core_sources
    ${CMAKE_CURRENT_LIST_DIR}/CdAudioPlayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CdMenu.cpp)
# The program reaches the drive through the interpreter over libcdio.
list(APPEND widget_libs quivlane_mci quivlane_platform_cdio)
