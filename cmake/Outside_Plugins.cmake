# Plug-ins built as an outside author builds them: each is a CMake project
# of its own under plugins/ that finds the framework only through
# find_package(tirsal), here in the SDK installed into build/sdk (the
# components tirsal and dev, exactly what sim-corvena-dev and the program
# install). Each is built after that SDK as an external project, staged into
# the plug-in directory beside the pond plug-ins and installed with the
# program.
include(ExternalProject)

set(CORVENA_SDK_DIR ${CMAKE_BINARY_DIR}/sdk)
file(GLOB sdk_inputs CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/simframe/include/tirsal/*.h ${CMAKE_SOURCE_DIR}/cmake/sdk/*)
set(sdk_stamp ${CMAKE_BINARY_DIR}/sdk.stamp)
add_custom_command(OUTPUT ${sdk_stamp}
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${CORVENA_SDK_DIR}
          --component tirsal
  COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${CORVENA_SDK_DIR}
          --component dev
  COMMAND ${CMAKE_COMMAND} -E touch ${sdk_stamp}
  DEPENDS tirsal ${sdk_inputs}
  COMMENT "Installing the plug-in SDK into ${CORVENA_SDK_DIR}" VERBATIM)
add_custom_target(tirsal_sdk DEPENDS ${sdk_stamp})

set(outside_args
  -DCMAKE_PREFIX_PATH=${CORVENA_SDK_DIR}
  -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
  -DCMAKE_INSTALL_PREFIX=${CORVENA_STAGE_DIR})
if(CMAKE_CXX_COMPILER_LAUNCHER)
  list(APPEND outside_args -DCMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
if(CORVENA_SANITIZE)
  list(APPEND outside_args
    "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    "-DCMAKE_MODULE_LINKER_FLAGS=-fsanitize=address,undefined")
endif()

# algen.so: nutrients, algae and water fleas.
ExternalProject_Add(algen
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/plugins/algen
  BINARY_DIR ${CMAKE_BINARY_DIR}/plugins/algen
  PREFIX ${CMAKE_BINARY_DIR}/plugins/algen-ep
  CMAKE_ARGS ${outside_args}
  BUILD_ALWAYS ON
  DEPENDS tirsal_sdk
  INSTALL_COMMAND ${CMAKE_COMMAND} --install <BINARY_DIR>)

# Installed as the other libraries are (not executable, as Debian has them).
install(FILES ${CORVENA_PLUGIN_DIR}/algen.so DESTINATION lib/sim-corvena/plugins
  COMPONENT runtime)
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\"
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/lib/sim-corvena/plugins/algen.so\")
  endif()
" COMPONENT runtime)
