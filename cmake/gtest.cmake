find_package(GTest QUIET)
if(NOT GTest_FOUND)
  # Debian ships the sources with libgtest-dev; the cross build compiles them.
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest 1.11 and later define the GTest:: names itself.
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
endif()
include(GoogleTest)

# The test programs that run threads of their own, for the ThreadSanitizer
# build (ctest -L threads).
add_custom_target(voltaro_threaded_tests)

# voltaro_test(NAME [THREADS] SOURCES a_test.cpp LIBS lib1 lib2 [ENV VAR=value])
# THREADS marks a program that runs threads: label "threads", built by
# voltaro_threaded_tests.
function(voltaro_test name)
  cmake_parse_arguments(ARG "THREADS" "" "SOURCES;LIBS;ENV" ${ARGN})
  set(labels none)
  if(ARG_THREADS)
    set(labels threads)
    add_dependencies(voltaro_threaded_tests ${name})
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE
    VOLTARO_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
  if(CMAKE_CROSSCOMPILING)
    # Wine can exit 0 in the middle of a crashing test: a run passes only when
    # GoogleTest printed its summary and no failure.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
      PASS_REGULAR_EXPRESSION "\\[  PASSED  \\]"
      FAIL_REGULAR_EXPRESSION "\\[  FAILED  \\]" ENVIRONMENT "${ARG_ENV}" LABELS "${labels}")
  else()
    # The discovery script flattens its properties: an empty value would
    # shift the ones after it, and ENV holds one setting at most.
    set(properties LABELS ${labels})
    if(ARG_ENV)
      list(APPEND properties ENVIRONMENT "${ARG_ENV}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
  endif()
endfunction()
