# One test executable per area; under the Windows tree CTest runs it through
# the Wine runner (CMAKE_CROSSCOMPILING_EMULATOR).
if(TORVANE_FUZZ OR (WIN32 AND NOT TORVANE_WIN32_TESTS))
  # The fuzz tree and the shipped programs' tree build no GoogleTest program.
  return()
elseif(WIN32 OR TORVANE_GTEST_FROM_SOURCE)
  # Built from Debian's sources for a target without its own GoogleTest.
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  target_compile_options(gtest PRIVATE -w)
  target_compile_options(gtest_main PRIVATE -w)
  target_compile_options(gmock PRIVATE -w)
else()
  find_package(GTest REQUIRED)
endif()

# torvane_add_test(NAME SOURCES a.cpp b.cpp LIBS lib1 lib2 [LABELS l])
function(torvane_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(WIN32 OR TORVANE_GTEST_FROM_SOURCE)
    target_link_libraries(${name} PRIVATE ${T_LIBS} gmock gtest_main)
  else()
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gmock GTest::gtest_main)
  endif()
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "TORVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    LABELS "${T_LABELS}")
endfunction()
