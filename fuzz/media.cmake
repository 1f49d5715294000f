# The MP3 frame search and refill on arbitrary bytes.
quivlane_add_fuzzer(fuzz_mp3_frames
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/FuzzMp3Frames.cpp
            ${CMAKE_SOURCE_DIR}/tests/support/ScriptedWaveOutDevice.cpp
    LIBS quivlane_media)
if(TARGET fuzz_mp3_frames)
    target_include_directories(fuzz_mp3_frames PRIVATE ${CMAKE_SOURCE_DIR}/tests)
endif()
