# spotsim_add_test(NAME source... LIBS lib...)
# One test executable per file, registered with CTest. Window tests run on
# the offscreen platform so they need no display, and in English whatever the
# desktop's language (a test that wants another says so).
function(spotsim_add_test name)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts/truetype/dejavu;LC_ALL=C.UTF-8;LANGUAGE="
    TIMEOUT 600)
endfunction()
