# Adds one ctest test per GoogleTest case found in the sources, each running
# COMMAND with --gtest_filter for that case. The sources are scanned instead
# of running the executable, so nothing has to start Wine at configure time.
#   tarnvik_add_gtests(PREFIX p COMMAND cmd... SOURCES files... [PROPERTIES prop value...])
function(tarnvik_add_gtests)
  cmake_parse_arguments(ARG "" "PREFIX" "COMMAND;SOURCES;PROPERTIES" ${ARGN})
  foreach(source IN LISTS ARG_SOURCES)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${source}")
    file(READ "${source}" content)
    string(REGEX MATCHALL "\nTEST(_F)?\\([ \t]*[A-Za-z_0-9]+[ \t]*,[ \t]*[A-Za-z_0-9]+[ \t]*\\)" cases "${content}")
    foreach(case IN LISTS cases)
      string(REGEX REPLACE ".*\\([ \t]*([A-Za-z_0-9]+)[ \t]*,[ \t]*([A-Za-z_0-9]+)[ \t]*\\)" "\\1.\\2" name "${case}")
      add_test(NAME "${ARG_PREFIX}${name}" COMMAND ${ARG_COMMAND} "--gtest_filter=${name}")
      if(ARG_PROPERTIES)
        set_tests_properties("${ARG_PREFIX}${name}" PROPERTIES ${ARG_PROPERTIES})
      endif()
    endforeach()
  endforeach()
endfunction()
