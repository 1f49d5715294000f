# The media-control interpreter (no host library) and the CD drive on libcdio.
add_library(quivlane_mci STATIC ${CMAKE_SOURCE_DIR}/platform/MciInterpreter.cpp)
target_link_libraries(quivlane_mci PUBLIC quivlane_settings quivlane_platform)

add_library(quivlane_platform_cdio STATIC ${CMAKE_CURRENT_LIST_DIR}/CdioDrive.cpp)
target_link_libraries(quivlane_platform_cdio PUBLIC quivlane_settings quivlane_platform
    PkgConfig::CDIO)
