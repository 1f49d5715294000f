# The MP3 folder player on a scripted device and fixtures made with lame.
quivlane_add_test(Mp3PlayerTest THREADS
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/BarFakes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/Mp3FolderPlayerTest.cpp
    LIBS quivlane_launcher_core quivlane_media_test_support quivlane_config)

# The seam between the bar and both players, through the bar's own click and tick.
quivlane_add_test(BarPlayersTest THREADS
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/BarFakes.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BarPlayersTest.cpp
    LIBS quivlane_launcher_core quivlane_media_test_support)
