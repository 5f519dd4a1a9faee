# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Printing through a real CUPS server: inside a private cupsd that with_cups.sh starts and stops
# (with and without a default printer at start, one that loses its queue and stops, one that
# refuses large documents), and against a server socket that does not exist. CUPS reads its
# variables only at start-up, so they are set for the whole process. PRINTER and LPDEST would
# override the server's default printer; CUPS_SERVERROOT keeps /etc/cups (client.conf, lpoptions)
# out of the no-printer case.
set(zr_cups_options QT TIMEOUT 120 UNSET PRINTER LPDEST)
zr_add_cpp_test(print_no_printer ${zr_cups_options} EXECUTABLE print_cups_e2e_test
                SOURCES print/cups_e2e_test.cpp print/pdf_tools.h print/test_printing.h
                LIBS zr_ui zr_print
                ARGS --gtest_filter=NoPrinter.*
                ENV CUPS_SERVER=/nonexistent/cups.sock CUPS_SERVERROOT=/nonexistent)

# zr_add_cups_test(NAME FILTER [ENV...]): the end-to-end test's FILTER inside a private cupsd.
function(zr_add_cups_test name filter)
  zr_add_script_test(${name} SERVERS ${zr_cups_options}
                     SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/print/with_cups.sh
                     ARGS $<TARGET_FILE:print_cups_e2e_test> --gtest_filter=${filter} ${ARGN})
endfunction()
zr_add_cups_test(print_cups_e2e -NoPrinter.*:LateDefault.*:LostPrinter.*:UnsentDocument.*)
zr_add_cups_test(print_cups_late_default LateDefault.* ENV ZR_CUPS_NO_DEFAULT=1)
zr_add_cups_test(print_cups_lost LostPrinter.*)
zr_add_cups_test(print_cups_unsent UnsentDocument.* ENV ZR_CUPS_BODY_LIMIT=65536)
