# Desktop integration and the .deb.
include(GNUInstallDirs)

if(SHRINK2D_WITH_WINDOW)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/shrink2d.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/shrink2d.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
endif()

set(CPACK_PACKAGE_NAME shrink2d)
set(CPACK_PACKAGE_VENDOR "shrink2d developers")
set(CPACK_PACKAGE_CONTACT "shrink2d developers <maintainers@users.noreply.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Two-digit (2D) lottery number shrink tool")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt runtime with its Chinese texts, and the faces the window's fonts are mapped to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libqt6widgets6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6core6 (>= 6.4), qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-ukai, fonts-arphic-uming, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
