# The host tests' sources, relative to the project root; both builds read it.
set(HOST_TEST_SOURCES
  ${CMAKE_SOURCE_DIR}/tests/host/window_records_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/host/state_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/host/icon_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/host/shout_test.cpp
  ${CMAKE_SOURCE_DIR}/tests/host/input_rules_test.cpp
)
