# SDL2's audio functions, loaded when sound is first needed; SDL's headers give the types only.
add_library(quivlane_sdl_audio STATIC ${CMAKE_CURRENT_LIST_DIR}/SdlAudioLibrary.cpp)
target_include_directories(quivlane_sdl_audio PUBLIC ${CMAKE_SOURCE_DIR})
target_include_directories(quivlane_sdl_audio SYSTEM PUBLIC
    $<TARGET_PROPERTY:PkgConfig::SDL2,INTERFACE_INCLUDE_DIRECTORIES>)
target_compile_options(quivlane_sdl_audio PUBLIC
    $<TARGET_PROPERTY:PkgConfig::SDL2,INTERFACE_COMPILE_OPTIONS>)
target_link_libraries(quivlane_sdl_audio PUBLIC quivlane_settings PRIVATE ${CMAKE_DL_LIBS})

# Wave output on SDL2 audio.
add_library(quivlane_wave_sdl STATIC ${CMAKE_CURRENT_LIST_DIR}/SdlWaveOutDevice.cpp)
target_link_libraries(quivlane_wave_sdl PUBLIC quivlane_settings quivlane_platform
    PRIVATE quivlane_sdl_audio)
