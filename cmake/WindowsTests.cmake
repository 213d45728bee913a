# Windows test programs run under wine64 (see tools/wine-run), each in a prepared environment:
# a private prefix and display made once per test run by a setup fixture and ended by a cleanup one.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest googletest EXCLUDE_FROM_ALL)

# Only the 64-bit build can run here; the 32-bit one is built and its files checked.
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(TESSELLARIUM_RUNS_TESTS ON)
else()
  set(TESSELLARIUM_RUNS_TESTS OFF)
endif()

set(wine_env ${CMAKE_SOURCE_DIR}/tools/wine-env)

# One environment per screen depth: a wineserver keeps the display it first saw.
function(add_wine_environment depth)
  set(home ${CMAKE_BINARY_DIR}/wine/depth${depth})
  add_test(NAME wine_up_${depth} COMMAND ${wine_env} up ${home} ${depth})
  add_test(NAME wine_down_${depth} COMMAND ${wine_env} down ${home})
  set_tests_properties(wine_up_${depth} PROPERTIES FIXTURES_SETUP wine${depth} TIMEOUT 120)
  set_tests_properties(wine_down_${depth} PROPERTIES FIXTURES_CLEANUP wine${depth} TIMEOUT 60)
endfunction()

# A test program, built in both Windows builds and run under Wine by the 64-bit one.
# DEPTH picks the screen depth of the environment it runs in (24 by default); ENVIRONMENT adds variables.
function(add_wine_test name)
  cmake_parse_arguments(arg "" "DEPTH;TIMEOUT" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
  if(NOT arg_DEPTH)
    set(arg_DEPTH 24)
  endif()
  if(NOT arg_TIMEOUT)
    set(arg_TIMEOUT 120)
  endif()
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE gtest_main project_warnings ${arg_LIBRARIES})
  if(TESSELLARIUM_RUNS_TESTS)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      ENVIRONMENT "TESSELLARIUM_WINE_HOME=${CMAKE_BINARY_DIR}/wine/depth${arg_DEPTH};${arg_ENVIRONMENT}"
      FIXTURES_REQUIRED wine${arg_DEPTH}
      RESOURCE_LOCK wine${arg_DEPTH}
      TIMEOUT ${arg_TIMEOUT})
  endif()
endfunction()

if(TESSELLARIUM_RUNS_TESTS)
  add_wine_environment(24)
  add_wine_environment(16)
endif()
