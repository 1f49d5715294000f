# The autostart value as an XDG autostart entry; no Qt.
add_library(quivlane_platform_autostart STATIC
    ${CMAKE_CURRENT_LIST_DIR}/XdgAutostartRegistry.cpp)
target_include_directories(quivlane_platform_autostart PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(quivlane_platform_autostart PUBLIC quivlane_platform
    PRIVATE quivlane_config)
