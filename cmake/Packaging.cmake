# The Debian package: `cpack -G DEB` in a build folder (scripts/package makes it from a
# clean Release build). It holds what the install target puts under /usr, the
# software-centre metadata, and the copyright and changelog Debian asks of every package.
include(GNUInstallDirs)
install(FILES ${PROJECT_SOURCE_DIR}/resources/linux/${VASTREL_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vastrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Korvi)
set(CPACK_PACKAGE_CONTACT "Vastrel developers <vastrel@vastrel.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://vastrel.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browser for a music collection kept in folders")
set(CPACK_PACKAGE_DESCRIPTION_FILE ${PROJECT_SOURCE_DIR}/resources/linux/description)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the X11 and Wayland platforms as plugins, which no library dependency names:
# the X11 one is in qt6-qpa-plugins, the Wayland one in qt6-wayland (without it the program
# cannot start on a Wayland session that has no X11).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-wayland")
# xdg-open hands the playlist to the player; the window fonts are Liberation Sans and
# DejaVu Sans Mono; Qt's translations give its buttons and dialogs their Italian texts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xdg-utils, fonts-liberation, fonts-dejavu-core, qt6-translations-l10n")

set(CPACK_VASTREL_LINUX_DIR ${PROJECT_SOURCE_DIR}/resources/linux)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianFiles.cmake)
include(CPack)
