# What `cmake --install` puts in place, and the Debian package made from it by CPack.
include(GNUInstallDirs)

foreach(program Quivlane Quivset)
    if(TARGET ${program})
        target_compile_definitions(${program} PRIVATE QUIVLANE_VERSION="${PROJECT_VERSION}")
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()
