# Painting costs of the skinned controls, compared side by side in one run.
quivlane_add_benchmark(bench_controls
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ControlsBench.cpp
    LIBS quivlane_controls)
