# What `cmake --install` puts in place, and the Debian package made from it by CPack.
include(GNUInstallDirs)

foreach(program Quivlane Quivset)
    target_compile_definitions(${program} PRIVATE QUIVLANE_VERSION="${PROJECT_VERSION}")
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

set(QUIVLANE_APP_ID org.quivlane.Quivlane)
set(QUIVLANE_DATA_DIR ${CMAKE_INSTALL_FULL_DATADIR}/quivlane)
set(data_src ${CMAKE_CURRENT_SOURCE_DIR}/data)

install(FILES ${data_src}/${QUIVLANE_APP_ID}.desktop ${data_src}/org.quivlane.Quivset.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${data_src}/${QUIVLANE_APP_ID}.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Manual pages name the data folder this build was configured for.
foreach(page Quivlane Quivset)
    configure_file(${data_src}/${page}.1.in ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1 @ONLY)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The icon theme's sizes come from the artwork generator (resources/).
foreach(size 16 32 48 64 128 256)
    install(FILES ${QUIVLANE_THEME_ICON_DIR}/icon-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME ${QUIVLANE_APP_ID}.png)
endforeach()
install(FILES ${QUIVLANE_THEME_ICON_DIR}/icon.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
    RENAME ${QUIVLANE_APP_ID}.svg)

# The folder for optional pictures and the alarm sound, looked up after the ones beside the
# file in use; the package ships none of its own.
install(DIRECTORY DESTINATION ${CMAKE_INSTALL_DATADIR}/quivlane)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quivlane)
set(CPACK_PACKAGE_VENDOR "The Quivlane developers")
set(CPACK_PACKAGE_CONTACT "The Quivlane developers <maintainers@quivlane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Skinned launcher bar with a clock, alarms and an MP3 jukebox, and its editor")
set(CPACK_PACKAGE_DESCRIPTION "Quivlane shows a narrow bar with nineteen configurable buttons, \
a dot-matrix clock, alarms, an MP3 folder jukebox, an audio-CD remote and HTML tooltips. \
Quivset edits its buttons and switches. The programs speak French.")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What no linked library names: Qt's X11 platform plugin (placement, the shaped window) and
# SDL, opened only when a sound is first played.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsdl2-2.0-0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
