# Clock, shell, sound and power ports on the Linux desktop; no Qt.
add_library(quivlane_platform_linux STATIC
    ${CMAKE_CURRENT_LIST_DIR}/CommandLookup.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HostCommands.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PosixProcessStarter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SdlSound.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemClock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemdPower.cpp
    ${CMAKE_CURRENT_LIST_DIR}/XdgShell.cpp)
target_include_directories(quivlane_platform_linux PUBLIC ${CMAKE_SOURCE_DIR})
find_package(Threads REQUIRED)
target_link_libraries(quivlane_platform_linux PUBLIC quivlane_platform
    PRIVATE quivlane_sdl_audio Threads::Threads)
