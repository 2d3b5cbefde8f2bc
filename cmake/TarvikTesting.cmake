# add_tarvik_test(name SOURCES a.cpp ... [LIBS extra...] [LABELS threads ...] [QT]): one
# GoogleTest executable whose cases are registered with CTest one by one. Label "threads" marks
# the tests that the thread-sanitizer build runs. QT: a GUI test, whose main() makes the
# QApplication (tests reach it through support/qt/QtTestApp.h).
function(add_tarvik_test name)
  cmake_parse_arguments(T "QT" "" "SOURCES;LIBS;LABELS" ${ARGN})
  if(T_QT)
    set(test_main tarvik_qt_test_main)
  else()
    set(test_main GTest::gtest_main)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE tarvik::core tarvik::testsupport
    GTest::gtest GTest::gmock ${test_main} ${T_LIBS})
  tarvik_warnings(${name})
  set(props TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
  if(T_LABELS)
    list(APPEND props LABELS "${T_LABELS}")
  endif()
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${props})
endfunction()
