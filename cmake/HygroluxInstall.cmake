# Installed layout: both programs in bin/, the resources under share/hygrolux2/ (where the programs look
# when there is no resources directory beside them), the desktop entry, the program icon and the project
# file types for the desktop menus and file managers.
include(GNUInstallDirs)

install(TARGETS Hygrolux2 hygrolux2-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${HYGROLUX_RESOURCES_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/hygrolux2/resources)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/hygrolux2.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/hygrolux2-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME hygrolux2.xml)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/images/source/appicon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME hygrolux2.svg)

# `cpack -G DEB` in the build directory makes a Debian package of the same layout under /usr; the Qt
# runtime packages become its dependencies through dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME hygrolux2)
set(CPACK_PACKAGE_VENDOR "Hygrolux")
set(CPACK_PACKAGE_CONTACT "Hygrolux support <support@hygrolux.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Moisture protection of building envelopes (Glaser and moisture-dependent method)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
