# The bar's start-up time, memory and idle cost against a bare Qt dialog of the same size.
# bench_bar is a script (scripts/bench runs every bench_* in bin/); it runs both programs
# side by side under a private Xvfb and prints ratios.
if(QUIVLANE_BENCH AND TARGET Quivlane)
    add_executable(bar_floor_dialog ${CMAKE_CURRENT_LIST_DIR}/BarFloorDialog.cpp)
    target_link_libraries(bar_floor_dialog PRIVATE quivlane_settings Qt6::Widgets)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/bar.sh ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/bench_bar
        COPYONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
        GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    add_custom_target(bench_bar_programs DEPENDS Quivlane bar_floor_dialog)
    # bench_bus: idle cost of the media-player service on the session bus, with against without.
    configure_file(${CMAKE_CURRENT_LIST_DIR}/bus.sh ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/bench_bus
        COPYONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
        GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endif()
