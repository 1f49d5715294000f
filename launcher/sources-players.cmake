# The MP3 folder player and the seam that joins it and the CD menu to the bar (no Qt).
list(APPEND core_sources
    ${CMAKE_CURRENT_LIST_DIR}/Mp3FolderPlayer.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BarPlayers.cpp)
list(APPEND core_libs quivlane_media)
# The program plays through SDL.
list(APPEND widget_libs quivlane_wave_sdl)
