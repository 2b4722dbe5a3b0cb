# Shared build helpers: warning flags for our own code and one way to register tests.

# Warnings are errors in continuous integration and for developers (the Makefile and
# .ci/run switch DRAVON_WERROR on); a packager's plain Release build only reports them,
# so that a newer compiler's new warning does not stop a build.
option(DRAVON_WERROR "Treat compiler warnings as errors" OFF)

function(dravon_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(DRAVON_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# dravon_add_library(name SOURCES ... [PUBLIC_LIBS ...])
function(dravon_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS})
  dravon_warnings(${name})
endfunction()

# dravon_add_test(name SOURCES ... LIBS ...)
# Every test runs under a German locale (a comma as decimal separator must not leak
# into numbers), in German whatever the developer's LANGUAGE, and, for widget tests, on
# the offscreen platform.
function(dravon_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  dravon_warnings(${name})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANGUAGE=;LANG=de_DE.UTF-8;LC_ALL=de_DE.UTF-8;DRAVON_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data;DRAVON_EXAMPLES=${PROJECT_SOURCE_DIR}/examples"
    TIMEOUT 300)
endfunction()
