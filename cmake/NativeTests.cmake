# The platform-free code runs under AddressSanitizer and UndefinedBehaviorSanitizer, failing on the first report.
set(sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
add_compile_options(${sanitizers})
add_link_options(${sanitizers})

add_subdirectory(/usr/src/googletest googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

function(add_native_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE gtest_main project_warnings)
  gtest_discover_tests(${name})
endfunction()
