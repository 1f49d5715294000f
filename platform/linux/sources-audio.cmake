# Wave output on SDL2 audio.
add_library(quivlane_wave_sdl STATIC ${CMAKE_CURRENT_LIST_DIR}/SdlWaveOutDevice.cpp)
target_link_libraries(quivlane_wave_sdl PUBLIC quivlane_settings quivlane_platform
    PkgConfig::SDL2)
