# find_package(Veltra): the exported libraries, with the packages they link against.
include(${CMAKE_CURRENT_LIST_DIR}/VeltraDependencies.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/VeltraTargets.cmake)
