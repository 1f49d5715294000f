# The MP3 folder player under arbitrary command, tick and folder sequences.
quivlane_add_fuzzer(fuzz_mp3_player
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzMp3Player.cpp
            ${CMAKE_SOURCE_DIR}/tests/launcher/BarFakes.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/FakePorts.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/ScriptedWaveOutDevice.cpp
            ${CMAKE_SOURCE_DIR}/tests/media/SyntheticMp3.cpp
    LIBS quivlane_launcher_core)
if(TARGET fuzz_mp3_player)
    target_include_directories(fuzz_mp3_player PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
