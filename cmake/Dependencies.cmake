# Third-party packages; scripts/setup installs the Debian packages that provide them.
include(${CMAKE_CURRENT_LIST_DIR}/VeltraDependencies.cmake)
find_path(HTTPLIB_INCLUDE_DIR httplib.h REQUIRED)
if(NOT VELTRA_FUZZ)
  find_package(GTest REQUIRED)
  find_package(benchmark REQUIRED)
  include(GoogleTest)
endif()
