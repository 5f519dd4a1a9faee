# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Printing through a real CUPS server, registered by hand (not with zr_add_test) so that only these
# entries exist: inside a private cupsd that with_cups.sh starts and stops (with and without a
# default printer at start, one that loses its queue and stops, one that refuses large
# documents), and against a server socket that does not exist.
add_executable(print_cups_e2e_test print/cups_e2e_test.cpp print/pdf_tools.h
                                   print/test_printing.h)
target_link_libraries(print_cups_e2e_test PRIVATE zr_ui zr_print zr_qttestsupport zr_testsupport
                      zr_warnings)

add_test(NAME print_cups_e2e
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/print/with_cups.sh
                 $<TARGET_FILE:print_cups_e2e_test>
                 --gtest_filter=-NoPrinter.*:LateDefault.*:LostPrinter.*:UnsentDocument.*)
add_test(NAME print_cups_late_default
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/print/with_cups.sh
                 $<TARGET_FILE:print_cups_e2e_test> --gtest_filter=LateDefault.*)
add_test(NAME print_cups_lost
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/print/with_cups.sh
                 $<TARGET_FILE:print_cups_e2e_test> --gtest_filter=LostPrinter.*)
add_test(NAME print_cups_unsent
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/print/with_cups.sh
                 $<TARGET_FILE:print_cups_e2e_test> --gtest_filter=UnsentDocument.*)
add_test(NAME print_no_printer
         COMMAND print_cups_e2e_test --gtest_filter=NoPrinter.*)
# CUPS reads these only at start-up, so they are set for the whole process. PRINTER and LPDEST
# would override the server's default printer; CUPS_SERVERROOT keeps /etc/cups (client.conf,
# lpoptions) out of the no-printer case.
set_tests_properties(print_cups_e2e print_cups_late_default print_cups_lost print_cups_unsent
                     print_no_printer PROPERTIES
                     TIMEOUT 120
                     ENVIRONMENT_MODIFICATION "PRINTER=unset:;LPDEST=unset:")
set_tests_properties(print_cups_e2e PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
set_tests_properties(print_cups_late_default PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZR_CUPS_NO_DEFAULT=1")
set_tests_properties(print_cups_lost PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
set_tests_properties(print_cups_unsent PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZR_CUPS_BODY_LIMIT=65536")
set_tests_properties(print_no_printer PROPERTIES
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;CUPS_SERVER=/nonexistent/cups.sock;CUPS_SERVERROOT=/nonexistent")
if(NOT ZR_TEST_SERVERS)
  set_tests_properties(print_cups_e2e print_cups_late_default print_cups_lost print_cups_unsent
                       PROPERTIES DISABLED ON)
endif()
