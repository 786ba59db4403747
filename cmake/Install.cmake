# The installed tree mirrors build/stage: the program with "sim_corvena.ini",
# the framework library, plugins/ and course/ in lib/sim-corvena, found
# through $ORIGIN run paths, so any prefix runs. bin/corvena links to the
# program; the program finds its files beside its real file.
set(CORVENA_INSTALL_DIR lib/sim-corvena)

set_target_properties(corvena PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS corvena RUNTIME DESTINATION ${CORVENA_INSTALL_DIR} COMPONENT runtime)
install(TARGETS fischlauf fischlauf_2 LIBRARY DESTINATION ${CORVENA_INSTALL_DIR}/plugins
  COMPONENT runtime)
install(FILES ${CORVENA_STAGE_DIR}/sim_corvena.ini DESTINATION ${CORVENA_INSTALL_DIR}
  COMPONENT runtime)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/shell/icons/ DESTINATION ${CORVENA_INSTALL_DIR}/icons
  COMPONENT runtime)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/course/ DESTINATION ${CORVENA_INSTALL_DIR}/course
  COMPONENT runtime
  PATTERN "CMakeLists.txt" EXCLUDE
  PATTERN "*.in" EXCLUDE)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/checker/vorlage/ DESTINATION ${CORVENA_INSTALL_DIR}/vorlage
  COMPONENT runtime)
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  execute_process(COMMAND \${CMAKE_COMMAND} -E create_symlink
    ../${CORVENA_INSTALL_DIR}/corvena \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/corvena\")
" COMPONENT runtime)

# Two menu entries: the program for pupils, the class report for teachers.
install(FILES ${CMAKE_SOURCE_DIR}/packaging/sim-corvena.desktop
  ${CMAKE_SOURCE_DIR}/packaging/sim-corvena-auswertung.desktop DESTINATION share/applications
  COMPONENT runtime)
foreach(size 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/sim-corvena-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME sim-corvena.png COMPONENT runtime)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/sim-corvena.svg
  DESTINATION share/icons/hicolor/scalable/apps COMPONENT runtime)

include(${CMAKE_CURRENT_LIST_DIR}/Sdk.cmake)

# Two Debian packages, made by cpack -G DEB in the build directory:
# sim-corvena (the components runtime and tirsal: everything the program
# runs) and sim-corvena-dev (the component dev: what plug-in authors build
# with).
set(CPACK_PACKAGE_NAME sim-corvena)
set(CPACK_PACKAGE_VENDOR "Sim-Corvena")
set(CPACK_PACKAGE_CONTACT "Sim-Corvena <sim-corvena@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lernumgebung für den Biologieunterricht")
set(CPACK_PACKAGE_DESCRIPTION "Sim-Corvena führt Schülerinnen und Schüler durch einen Kurs aus Themen:
Inhaltsseiten, Räuber-Beute-Simulationen eines Teichs, Übungen, ein Lexikon,
Notizen, ein Selbsttest und eine Reflektionshilfe. Alles, was die Lernenden tun,
wird für die Lehrkraft aufgezeichnet. Mit einem Demokurs zum Lebensraum Teich.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "adwaita-icon-theme, wx3.2-i18n, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime tirsal dev)
set(CPACK_COMPONENTS_GROUPING ONE_PER_GROUP)
set(CPACK_COMPONENT_RUNTIME_GROUP program)
set(CPACK_COMPONENT_TIRSAL_GROUP program)
set(CPACK_COMPONENT_DEV_GROUP dev)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME sim-corvena)
set(CPACK_DEBIAN_DEV_PACKAGE_NAME sim-corvena-dev)
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DEV_PACKAGE_SHLIBDEPS OFF)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "sim-corvena (= ${PROJECT_VERSION}), libwxgtk3.2-dev, g++, pkg-config")
# The summary line is the same for both; the text below it tells them apart.
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_DEBIAN_DEV_DESCRIPTION "Entwicklungsdateien für Simulations-Plug-ins von Sim-Corvena: die
öffentlichen Header und der Entwicklungs-Link der Bibliothek libtirsal, auf
der jede Simulation aufbaut, ein CMake-Paket (find_package(tirsal)), eine
pkg-config-Datei (tirsal.pc), die Anleitung und ein Beispiel-Plug-in.")
include(CPack)
