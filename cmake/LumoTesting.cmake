# Test registration shared by every area's test folder.
#   lumo_add_unit_test(name SOURCES...)    GoogleTest, Qt-free, links lumo_core
#   lumo_add_widget_test(name SOURCES...)  QtTest (or GoogleTest) with Qt, offscreen, links lumo_ui
# Unit and widget tests carry the labels "unit" and "widget"; the sanitizer run selects them by label.

set(LUMO_LSAN_SUPPRESSIONS ${CMAKE_SOURCE_DIR}/tests/lsan.supp)
set(LUMO_TEST_ENV
  "ASAN_OPTIONS=detect_leaks=1:abort_on_error=0"
  "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1"
  "LSAN_OPTIONS=suppressions=${LUMO_LSAN_SUPPRESSIONS}:print_suppressions=0"
  "LUMO_SOURCE_DIR=${CMAKE_SOURCE_DIR}")

# Tests never touch the real user's settings, scores or sound server.
set(LUMO_TEST_ISOLATION
  "XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/test-home/config"
  "XDG_DATA_HOME=${CMAKE_BINARY_DIR}/test-home/data"
  "XDG_CACHE_HOME=${CMAKE_BINARY_DIR}/test-home/cache"
  "PULSE_SERVER=unix:/nonexistent/lumo-test-no-sound")
list(JOIN LUMO_TEST_ISOLATION ";" LUMO_TEST_ISOLATION)

function(lumo_add_unit_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE lumo_core GTest::gtest GTest::gtest_main GTest::gmock)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES LABELS unit ENVIRONMENT "${LUMO_TEST_ENV}" TIMEOUT 300)
endfunction()

function(lumo_add_widget_test name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE lumo_ui Qt6::Test)
  # Helpers shared by widget tests of several areas: "support/…".
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/widget)
  add_test(NAME ${name} COMMAND ${name})
  # Widget tests never need a real display or sound server.
  set_tests_properties(${name} PROPERTIES LABELS widget TIMEOUT 300
    ENVIRONMENT "${LUMO_TEST_ENV};QT_QPA_PLATFORM=offscreen;${LUMO_TEST_ISOLATION}")
endfunction()
