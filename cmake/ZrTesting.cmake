# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# The two ways a CTest entry is registered. Both take:
#   TIMEOUT seconds  a test that hangs fails after this long (30 unless given)
#   ENV vars...      NAME=VALUE pairs for the test's environment
#   UNSET vars...    variables taken out of the test's environment
#   QT               the test runs on Qt's offscreen platform
#   SERVERS          the test starts its own Xvfb or CUPS server: off without ZR_TEST_SERVERS

function(zr_set_test_properties name)
  cmake_parse_arguments(ARG "QT;SERVERS" "TIMEOUT" "ENV;UNSET" ${ARGN})
  if(NOT ARG_TIMEOUT)
    set(ARG_TIMEOUT 30)
  endif()
  if(ARG_QT)
    list(APPEND ARG_ENV QT_QPA_PLATFORM=offscreen)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${ARG_TIMEOUT} SKIP_RETURN_CODE 77)
  if(ARG_ENV)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${ARG_ENV}")
  endif()
  if(ARG_UNSET)
    list(TRANSFORM ARG_UNSET APPEND "=unset:")
    set_tests_properties(${name} PROPERTIES ENVIRONMENT_MODIFICATION "${ARG_UNSET}")
  endif()
  if(ARG_SERVERS AND NOT ZR_TEST_SERVERS)
    set_tests_properties(${name} PROPERTIES DISABLED ON)
  endif()
endfunction()

# The common options as parsed into ARG_*, to hand on to zr_set_test_properties.
macro(zr_common_test_options out)
  set(${out})
  foreach(flag QT SERVERS)
    if(ARG_${flag})
      list(APPEND ${out} ${flag})
    endif()
  endforeach()
  foreach(key TIMEOUT ENV UNSET)
    if(ARG_${key})
      list(APPEND ${out} ${key} ${ARG_${key}})
    endif()
  endforeach()
endmacro()

# zr_add_cpp_test(NAME [EXECUTABLE target] [SOURCES...] [LIBS...] [ARGS...] [common options]): a
# C++ test program run with ARGS. With SOURCES it builds the program (named EXECUTABLE, or NAME)
# against the test support and GoogleTest (inside a QApplication when QT); without, it runs a
# program built elsewhere.
function(zr_add_cpp_test name)
  cmake_parse_arguments(ARG "QT;SERVERS" "TIMEOUT;EXECUTABLE" "SOURCES;LIBS;ARGS;ENV;UNSET" ${ARGN})
  if(NOT ARG_EXECUTABLE)
    set(ARG_EXECUTABLE ${name})
  endif()
  if(ARG_SOURCES)
    add_executable(${ARG_EXECUTABLE} ${ARG_SOURCES})
    target_link_libraries(${ARG_EXECUTABLE} PRIVATE zr_testsupport ${ARG_LIBS} zr_warnings)
    if(ARG_QT)
      target_link_libraries(${ARG_EXECUTABLE} PRIVATE zr_qttestsupport)
    else()
      target_link_libraries(${ARG_EXECUTABLE} PRIVATE GTest::gtest_main)
    endif()
  endif()
  add_test(NAME ${name} COMMAND ${ARG_EXECUTABLE} ${ARG_ARGS})
  zr_common_test_options(common)
  zr_set_test_properties(${name} ${common})
endfunction()

# zr_add_script_test(NAME SCRIPT path [ARGS...] [common options]): a shell test, run by bash; it
# exits 77 to say it was skipped.
function(zr_add_script_test name)
  cmake_parse_arguments(ARG "QT;SERVERS" "TIMEOUT;SCRIPT" "ARGS;ENV;UNSET" ${ARGN})
  add_test(NAME ${name} COMMAND bash ${ARG_SCRIPT} ${ARG_ARGS})
  zr_common_test_options(common)
  zr_set_test_properties(${name} ${common})
endfunction()
