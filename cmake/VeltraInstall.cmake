# What `cmake --install` puts into the prefix: every library, the public headers and what
# they include (nothing else), the resources, and the exported targets with
# VeltraConfig.cmake, so a host builds with find_package(Veltra) and Veltra::Veltra.
include(GNUInstallDirs)

# The headers a host includes: the facade and the builders, and the device stand-ins a
# host sets up before its first call (home directory, run loop, window).
set(VELTRA_PUBLIC_HEADERS
    src/sdk/facade/Veltra.h
    src/sdk/VeltraDelegate.h
    src/sdk/VeltraCreateTransactionDelegate.h
    src/sdk/VTTransaction.h
    src/sdk/VTDocument.h
    src/sdk/VTSigner.h
    platform/foundation/Environment.h
    platform/foundation/RunLoop.h
    platform/ui/Window.h
    platform/ui/NavigationController.h)
set(VELTRA_INCLUDE_ROOTS platform src)

# veltra_header_closure(<out> headers...): the headers and every project header they
# include, directly or not, as paths relative to the project.
function(veltra_header_closure out)
  set(pending ${ARGN})
  set(closure "")
  while(pending)
    list(POP_FRONT pending header)
    if(header IN_LIST closure)
      continue()
    endif()
    list(APPEND closure ${header})
    file(STRINGS ${PROJECT_SOURCE_DIR}/${header} lines REGEX "^#include \"")
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      foreach(root IN LISTS VELTRA_INCLUDE_ROOTS)
        if(EXISTS ${PROJECT_SOURCE_DIR}/${root}/${included})
          list(APPEND pending ${root}/${included})
        endif()
      endforeach()
    endforeach()
  endwhile()
  set(${out} ${closure} PARENT_SCOPE)
endfunction()

# The target a host links; it brings every library below the facade.
add_library(Veltra INTERFACE)
add_library(Veltra::Veltra ALIAS Veltra)
target_link_libraries(Veltra INTERFACE sdk_facade)
target_compile_features(Veltra INTERFACE cxx_std_20)
target_compile_definitions(Veltra INTERFACE
  $<BUILD_INTERFACE:VELTRA_RESOURCE_DIR="${VELTRA_RESOURCE_DIR}">
  $<INSTALL_INTERFACE:VELTRA_RESOURCE_DIR="$<INSTALL_PREFIX>/${CMAKE_INSTALL_DATADIR}/veltra">)

function(veltra_add_install)
  get_property(libraries GLOBAL PROPERTY VELTRA_LIBRARIES)
  set(targets Veltra)
  foreach(entry IN LISTS libraries)
    string(REPLACE "|" ";" fields "${entry}")
    list(GET fields 1 name)
    list(APPEND targets ${name})
  endforeach()
  set(include_dir ${CMAKE_INSTALL_INCLUDEDIR}/veltra)
  set(config_dir ${CMAKE_INSTALL_LIBDIR}/cmake/Veltra)
  install(TARGETS ${targets} EXPORT VeltraTargets ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
  install(EXPORT VeltraTargets NAMESPACE Veltra:: DESTINATION ${config_dir})

  veltra_header_closure(headers ${VELTRA_PUBLIC_HEADERS})
  foreach(header IN LISTS headers)
    string(FIND ${header} "/" rootEnd)
    math(EXPR rootEnd "${rootEnd} + 1")
    string(SUBSTRING ${header} ${rootEnd} -1 relative)
    get_filename_component(folder ${relative} DIRECTORY)
    install(FILES ${header} DESTINATION ${include_dir}/${folder})
  endforeach()

  install(DIRECTORY ${VELTRA_RESOURCE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/veltra
          PATTERN "CMakeFiles" EXCLUDE PATTERN "*.cmake" EXCLUDE)
  install(FILES cmake/VeltraConfig.cmake cmake/VeltraDependencies.cmake DESTINATION ${config_dir})
endfunction()
