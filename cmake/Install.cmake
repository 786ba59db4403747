# The installed tree mirrors build/stage: the program with "sim_corvena.ini",
# the framework library, plugins/ and course/ in lib/sim-corvena, found
# through $ORIGIN run paths, so any prefix runs. bin/corvena links to the
# program; the program finds its files beside its real file.
set(CORVENA_INSTALL_DIR lib/sim-corvena)

set_target_properties(corvena PROPERTIES INSTALL_RPATH "$ORIGIN")
install(TARGETS corvena RUNTIME DESTINATION ${CORVENA_INSTALL_DIR})
install(TARGETS fischlauf fischlauf_2 LIBRARY DESTINATION ${CORVENA_INSTALL_DIR}/plugins)
install(FILES ${CORVENA_STAGE_DIR}/sim_corvena.ini DESTINATION ${CORVENA_INSTALL_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/shell/icons/ DESTINATION ${CORVENA_INSTALL_DIR}/icons)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/course/ DESTINATION ${CORVENA_INSTALL_DIR}/course
  PATTERN "CMakeLists.txt" EXCLUDE
  PATTERN "*.in" EXCLUDE)
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
  execute_process(COMMAND \${CMAKE_COMMAND} -E create_symlink
    ../${CORVENA_INSTALL_DIR}/corvena \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/corvena\")
")

install(FILES ${CMAKE_SOURCE_DIR}/packaging/sim-corvena.desktop DESTINATION share/applications)
foreach(size 32 48 64 128 256)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/sim-corvena-${size}.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME sim-corvena.png)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/sim-corvena.svg
  DESTINATION share/icons/hicolor/scalable/apps)

# A Debian package: cpack -G DEB in the build directory.
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
include(CPack)
