# The CD player: the media-control interpreter over a simulated disc, the player's command
# strings, the menu with the bar's fakes, and the libcdio drive where no drive exists.
quivlane_add_test(MciInterpreterTest
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/MciInterpreterTest.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/SimulatedCdDrive.cpp
    LIBS quivlane_mci)

quivlane_add_test(CdPlayerTest
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/CdAudioPlayerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/CdMenuTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/BarFakes.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/SimulatedCdDrive.cpp
        ${CMAKE_SOURCE_DIR}/tests/support/ScriptedMci.cpp
    LIBS quivlane_launcher_core quivlane_mci)

quivlane_add_test(CdioDriveTest
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CdioDriveTest.cpp
    LIBS quivlane_platform_cdio)
