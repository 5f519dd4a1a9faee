# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Runs at install time: the desktop entry and its command start the program in the installed
# phrase sets, so their paths must follow the prefix given to `cmake --install --prefix`, not
# the one configured.
# Set before this script: ZR_DESKTOP_ENTRY_IN, ZR_MENU_COMMAND_IN, ZR_DESKTOP_ENTRY_WORK_DIR,
# ZR_INSTALL_DATADIR, ZR_INSTALL_BINDIR, ZR_INSTALL_LIBEXECDIR.
foreach(kind IN ITEMS DATADIR BINDIR LIBEXECDIR)
  if(IS_ABSOLUTE "${ZR_INSTALL_${kind}}")
    set(${kind} "${ZR_INSTALL_${kind}}")
  else()
    set(${kind} "${CMAKE_INSTALL_PREFIX}/${ZR_INSTALL_${kind}}")
  endif()
endforeach()
set(ZR_PHRASE_SET_DIR "${DATADIR}/zeziru-ridaz")
set(ZR_PROGRAM "${BINDIR}/zeziru-ridaz")
set(ZR_MENU_COMMAND "${LIBEXECDIR}/zeziru-ridaz/zeziru-ridaz-menu")
get_filename_component(entry "${ZR_DESKTOP_ENTRY_IN}" NAME_WLE)
configure_file("${ZR_DESKTOP_ENTRY_IN}" "${ZR_DESKTOP_ENTRY_WORK_DIR}/${entry}" @ONLY)
configure_file("${ZR_MENU_COMMAND_IN}" "${ZR_DESKTOP_ENTRY_WORK_DIR}/zeziru-ridaz-menu" @ONLY)
# file(INSTALL) adds DESTDIR and records the files in install_manifest.txt.
file(INSTALL DESTINATION "${DATADIR}/applications" TYPE FILE
     FILES "${ZR_DESKTOP_ENTRY_WORK_DIR}/${entry}")
file(INSTALL DESTINATION "${LIBEXECDIR}/zeziru-ridaz" TYPE PROGRAM
     FILES "${ZR_DESKTOP_ENTRY_WORK_DIR}/zeziru-ridaz-menu")
