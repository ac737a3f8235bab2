# Helpers shared by every folder's CMakeLists.txt.

set(VELTRA_RESOURCE_DIR ${PROJECT_BINARY_DIR}/resources)
file(MAKE_DIRECTORY ${VELTRA_RESOURCE_DIR})

# veltra_use_resource_dir(<target>): lets the target's own sources name the built resources
# as VELTRA_RESOURCE_DIR. Only the few targets that read it get the (checkout-specific) path,
# so the libraries compile alike in every checkout and a compiler cache serves them all.
function(veltra_use_resource_dir target)
  target_compile_definitions(${target} PRIVATE VELTRA_RESOURCE_DIR="${VELTRA_RESOURCE_DIR}")
endfunction()

set(VELTRA_WARNINGS -Wall -Wextra -Wpedantic)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  # GCC 12 reports impossible overlaps inside std::string concatenation at -O2 and above
  # (GCC bug 105329); the warning says nothing about our code.
  list(APPEND VELTRA_WARNINGS -Wno-restrict)
endif()
if(VELTRA_SANITIZE)
  # The library's own checks catch reads of empty optionals and out-of-range indices
  # that the sanitizers cannot see.
  add_compile_definitions(_GLIBCXX_ASSERTIONS)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
option(VELTRA_TSAN "Build with ThreadSanitizer" OFF)
if(VELTRA_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
if(VELTRA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

function(veltra_add_subdirectories pattern)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${pattern})
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# veltra_library_sources(<out>): every .cpp below the calling folder, except those in a
# subfolder that has a CMakeLists.txt of its own: such a subfolder is a library of its
# own (a folder's screens above its core) and joins the build through
# veltra_add_nested_libraries().
function(veltra_library_sources out)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  file(GLOB_RECURSE nested_lists ${CMAKE_CURRENT_SOURCE_DIR}/*/CMakeLists.txt)
  foreach(list_file IN LISTS nested_lists)
    get_filename_component(nested_dir ${list_file} DIRECTORY)
    list(FILTER sources EXCLUDE REGEX "^${nested_dir}/")
  endforeach()
  set(${out} ${sources} PARENT_SCOPE)
endfunction()

# veltra_add_nested_libraries(): adds each direct subfolder of the calling folder that
# holds a CMakeLists.txt.
function(veltra_add_nested_libraries)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()

# veltra_add_library(<name> [DEPENDS libs...]): a static library of the calling folder's
# sources (see veltra_library_sources). Include paths are rooted at platform/ and src/.
function(veltra_add_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  veltra_library_sources(sources)
  add_library(${name} STATIC ${sources})
  target_include_directories(${name} PUBLIC $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform>
                             $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/src> $<INSTALL_INTERFACE:include/veltra>)
  target_compile_options(${name} PRIVATE ${VELTRA_WARNINGS})
  target_link_libraries(${name} PUBLIC ${ARG_DEPENDS})
  list(JOIN ARG_DEPENDS "," dependencies)
  set_property(GLOBAL APPEND PROPERTY VELTRA_LIBRARIES "library|${name}|${CMAKE_CURRENT_SOURCE_DIR}|${dependencies}")
endfunction()

# veltra_add_layer_check(): a test that fails when a library includes a header of a
# library it does not declare, or when libraries depend on each other in a cycle. Call it
# after every library is added; each library's folder and DEPENDS come from
# veltra_add_library, so a new library is checked as it stands.
function(veltra_add_layer_check)
  get_property(libraries GLOBAL PROPERTY VELTRA_LIBRARIES)
  set(manifest ${PROJECT_BINARY_DIR}/layers.txt)
  list(JOIN libraries "\n" library_lines)
  file(WRITE ${manifest} "root|${PROJECT_SOURCE_DIR}/src\nroot|${PROJECT_SOURCE_DIR}/platform\n${library_lines}\n")
  add_test(NAME layer_check COMMAND ${CMAKE_COMMAND} -DMANIFEST=${manifest} -P ${PROJECT_SOURCE_DIR}/cmake/LayerCheck.cmake)
endfunction()

# veltra_add_test(<name> [DEPENDS libs...]): one GoogleTest binary of every .cpp in the
# calling folder, registered with CTest.
function(veltra_add_test name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_options(${name} PRIVATE ${VELTRA_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} veltra_testing GTest::gtest GTest::gmock)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# veltra_add_benchmark(<name> [DEPENDS libs...]): a Google Benchmark binary (its main from the
# library, so a folder may hold several benchmark files) of every
# .cpp in the calling folder. Benchmarks are built with everything else and run by hand.
function(veltra_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_executable(${name} ${sources})
  target_compile_options(${name} PRIVATE ${VELTRA_WARNINGS})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} benchmark::benchmark_main)
endfunction()

# veltra_add_fuzzer(<name> <source> [DEPENDS libs...]): a libFuzzer target. Its seed
# corpus lives in corpus/<name>/ beside the source.
function(veltra_add_fuzzer name source)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  add_executable(${name} ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY VELTRA_FUZZERS "${name}|${CMAKE_CURRENT_SOURCE_DIR}/corpus/${name}")
endfunction()
