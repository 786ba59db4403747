# What plug-in authors build with, installed as the component "dev" (the
# Debian package sim-corvena-dev): the public headers, the development link
# lib/libtirsal.so to the library the program runs with, a CMake package
# (find_package(tirsal), target tirsal::tirsal), a pkg-config file tirsal.pc,
# the guide and the example plug-in algen. Everything is found relative to
# the installed file, so any prefix works. The toolkit's flags are those the
# framework was built with, as wx-config gave them here: a plug-in must be
# built against the same toolkit build as the program.

execute_process(COMMAND ${wxWidgets_CONFIG_EXECUTABLE} --cxxflags core,base
  OUTPUT_VARIABLE TIRSAL_WX_CFLAGS OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${wxWidgets_CONFIG_EXECUTABLE} --libs core,base
  OUTPUT_VARIABLE TIRSAL_WX_LIBS OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
string(REGEX REPLACE " +" " " TIRSAL_WX_LIBS "${TIRSAL_WX_LIBS}")

# The same flags sorted for the imported target.
separate_arguments(cflags UNIX_COMMAND "${TIRSAL_WX_CFLAGS}")
set(TIRSAL_WX_INCLUDES "")
set(TIRSAL_WX_DEFINITIONS "")
set(TIRSAL_WX_OPTIONS "")
foreach(flag IN LISTS cflags)
  if(flag MATCHES "^-I(.+)")
    list(APPEND TIRSAL_WX_INCLUDES "${CMAKE_MATCH_1}")
  elseif(flag MATCHES "^-D(.+)")
    list(APPEND TIRSAL_WX_DEFINITIONS "${CMAKE_MATCH_1}")
  else()
    list(APPEND TIRSAL_WX_OPTIONS "${flag}")
  endif()
endforeach()
separate_arguments(TIRSAL_WX_LINK UNIX_COMMAND "${TIRSAL_WX_LIBS}")

string(REGEX MATCH "^[0-9]+" TIRSAL_COMPILER_MAJOR "${CMAKE_CXX_COMPILER_VERSION}")

set(sdk_out ${CMAKE_BINARY_DIR}/sdk_files)
configure_file(${CMAKE_SOURCE_DIR}/cmake/sdk/tirsalConfig.cmake.in ${sdk_out}/tirsalConfig.cmake @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/cmake/sdk/tirsal.pc.in ${sdk_out}/tirsal.pc @ONLY)
include(CMakePackageConfigHelpers)
write_basic_package_version_file(${sdk_out}/tirsalConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)

install(DIRECTORY ${CMAKE_SOURCE_DIR}/simframe/include/tirsal DESTINATION include
  COMPONENT dev FILES_MATCHING PATTERN "*.h")
install(CODE "
  file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib\")
  execute_process(COMMAND \${CMAKE_COMMAND} -E create_symlink
    sim-corvena/libtirsal.so \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/libtirsal.so\")
" COMPONENT dev)
install(FILES ${sdk_out}/tirsalConfig.cmake ${sdk_out}/tirsalConfigVersion.cmake
  ${CMAKE_SOURCE_DIR}/cmake/sdk/tirsal_plugin.map DESTINATION lib/cmake/tirsal COMPONENT dev)
install(FILES ${sdk_out}/tirsal.pc DESTINATION lib/pkgconfig COMPONENT dev)
install(FILES ${CMAKE_SOURCE_DIR}/simframe/README.md DESTINATION share/doc/sim-corvena-dev
  COMPONENT dev)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/plugins/algen DESTINATION share/doc/sim-corvena-dev/examples
  COMPONENT dev)
