# Installed layout: both programs in bin/ with the resources directory beside them, where they look for it
# (the same layout as the build tree), plus the desktop entry and the program icon for the desktop menus.
include(GNUInstallDirs)

install(TARGETS Hygrolux2 hygrolux2-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${HYGROLUX_RESOURCES_DIR}/ DESTINATION ${CMAKE_INSTALL_BINDIR}/resources)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/hygrolux2.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/images/source/appicon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME hygrolux2.svg)
