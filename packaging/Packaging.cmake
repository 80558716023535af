# Desktop integration, documentation and the .deb.
include(GNUInstallDirs)

# The AppStream id, also the desktop file's name: the home page's domain reversed. Fixed here, not
# taken from SHRINK2D_HOME_PAGE, because software centres key ratings and updates on it.
set(SHRINK2D_APP_ID example.chengshu.shrink2d)
# The day PROJECT_VERSION was released: the date of its changelog entry, AppStream release and
# manual pages. Move it on together with the version.
set(SHRINK2D_RELEASE_DATE 2026-12-07)

# Also the maintainer in the changelog and the copyright file.
set(CPACK_PACKAGE_VENDOR "shrink2d developers")
set(CPACK_PACKAGE_CONTACT "shrink2d developers <maintainers@users.noreply.example>")

set(packaging_dir ${PROJECT_BINARY_DIR}/packaging)
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C
                        date -u -d "${SHRINK2D_RELEASE_DATE} 12:00" "+%a, %d %b %Y %H:%M:%S +0000;%s"
                OUTPUT_VARIABLE release_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
list(GET release_time 0 SHRINK2D_RELEASE_RFC2822)
list(GET release_time 1 SHRINK2D_RELEASE_EPOCH)

configure_file(packaging/copyright.in ${packaging_dir}/copyright @ONLY)
configure_file(packaging/changelog.in ${packaging_dir}/changelog @ONLY)
configure_file(packaging/shrink2d.1.in ${packaging_dir}/shrink2d.1 @ONLY)
configure_file(packaging/metainfo.xml.in ${packaging_dir}/${SHRINK2D_APP_ID}.metainfo.xml @ONLY)

# Debian wants these gzipped without a time stamp (-n), so that rebuilds give the same bytes.
set(gzipped ${packaging_dir}/changelog.gz ${packaging_dir}/shrink2d.1.gz)
foreach(file IN LISTS gzipped)
    cmake_path(REMOVE_EXTENSION file LAST_ONLY OUTPUT_VARIABLE plain)
    add_custom_command(OUTPUT ${file} COMMAND gzip -9nc ${plain} > ${file} DEPENDS ${plain})
endforeach()

# shrink2d-cli(1) comes from the built program's own --help and --version, so it cannot drift
# from them; without help2man the build goes on without that page.
find_program(SHRINK2D_HELP2MAN help2man)
if(SHRINK2D_HELP2MAN)
    set(cli_page ${packaging_dir}/shrink2d-cli.1)
    add_custom_command(
        OUTPUT ${cli_page}.gz
        COMMAND ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${SHRINK2D_RELEASE_EPOCH}
                ${SHRINK2D_HELP2MAN} --locale=C.UTF-8 --no-info --section=1
                "--name=shrink a list of two-digit lottery numbers" --output=${cli_page}
                "${PROJECT_SOURCE_DIR}/packaging/help2man-run.sh $<TARGET_FILE:shrink2d-cli>"
        COMMAND gzip -9nf ${cli_page}
        DEPENDS shrink2d-cli packaging/help2man-run.sh packaging/help-for-man.awk
        VERBATIM)
    list(APPEND gzipped ${cli_page}.gz)
else()
    message(STATUS "help2man not found: shrink2d-cli(1) is not built (make package installs it)")
endif()
add_custom_target(shrink2d_docs ALL DEPENDS ${gzipped})

install(FILES ${packaging_dir}/copyright ${packaging_dir}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(SHRINK2D_HELP2MAN)
    install(FILES ${cli_page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
if(SHRINK2D_WITH_WINDOW)
    install(FILES ${packaging_dir}/shrink2d.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/${SHRINK2D_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${packaging_dir}/${SHRINK2D_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/shrink2d.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/48x48/apps)
endif()

set(CPACK_PACKAGE_DESCRIPTION
    "For players of two-digit (2D) lottery games: tick the digits allowed in each
position, generate every combination, then shrink the list with conditions
(banker digits, killed sums, sum tails, spans and 012 roads, fixed or killed
odd/even and big/small patterns) and copy the surviving numbers out.

The package holds the window, in Simplified Chinese, and shrink2d-cli, which
runs the same generation and filtering from the command line.

两位数（2D）号码的组号与条件缩水工具。")
set(CPACK_PACKAGE_HOMEPAGE_URL "${SHRINK2D_HOME_PAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# dpkg-shlibdeps finds the libraries the programs link; what they load by name it cannot see:
# the Qt platform plugin, Qt's own Chinese texts, and the faces the window's fonts are mapped to.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-ukai, fonts-arphic-uming, fonts-wqy-microhei")
set(CPACK_STRIP_FILES ON)
include(CPack)
