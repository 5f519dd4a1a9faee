# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Runs at install time: the desktop entry starts the program in the installed phrase set, so its
# Path must follow the prefix given to `cmake --install --prefix`, not the one configured.
# Set before this script: ZR_DESKTOP_ENTRY_IN, ZR_DESKTOP_ENTRY_WORK_DIR, ZR_INSTALL_DATADIR.
if(IS_ABSOLUTE "${ZR_INSTALL_DATADIR}")
  set(datadir "${ZR_INSTALL_DATADIR}")
else()
  set(datadir "${CMAKE_INSTALL_PREFIX}/${ZR_INSTALL_DATADIR}")
endif()
set(ZR_PHRASE_SET_DIR "${datadir}/zeziru-ridaz")
get_filename_component(entry "${ZR_DESKTOP_ENTRY_IN}" NAME_WLE)
configure_file("${ZR_DESKTOP_ENTRY_IN}" "${ZR_DESKTOP_ENTRY_WORK_DIR}/${entry}" @ONLY)
# file(INSTALL) adds DESTDIR and records the file in install_manifest.txt.
file(INSTALL DESTINATION "${datadir}/applications" TYPE FILE
     FILES "${ZR_DESKTOP_ENTRY_WORK_DIR}/${entry}")
