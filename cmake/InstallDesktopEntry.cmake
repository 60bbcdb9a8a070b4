# SPDX-License-Identifier: GPL-3.0-or-later
# Runs at install time for a portable folder (see Install.cmake): writes the desktop entry for the folder being
# installed to. In: MORVINT_APP_ID, MORVINT_DESKTOP_TEMPLATE, and CMAKE_INSTALL_PREFIX as `cmake --install
# --prefix` set it.
get_filename_component(folder "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)

# Exec= is one quoted argument: inside the quotes \ " ` $ take a backslash, which the entry's string syntax
# doubles again; a % must be doubled so it is not read as a field code.
set(exec "${folder}/morvint")
string(REPLACE "\\" "\\\\\\\\" exec "${exec}")
string(REPLACE "\"" "\\\\\"" exec "${exec}")
string(REPLACE "`" "\\\\`" exec "${exec}")
string(REPLACE "$" "\\\\$" exec "${exec}")
string(REPLACE "%" "%%" exec "${exec}")
set(MORVINT_DESKTOP_EXEC "\"${exec}\"")

# TryExec= and Icon= are plain strings: only a backslash needs escaping. The folder's icons are not in any
# icon theme's search path, so the entry names the file.
string(REPLACE "\\" "\\\\" escaped_folder "${folder}")
set(MORVINT_DESKTOP_TRYEXEC "${escaped_folder}/morvint")
set(MORVINT_DESKTOP_ICON "${escaped_folder}/share/icons/hicolor/256x256/apps/${MORVINT_APP_ID}.png")

set(entry "$ENV{DESTDIR}${folder}/share/applications/${MORVINT_APP_ID}.desktop")
message(STATUS "Installing: ${entry}")
configure_file("${MORVINT_DESKTOP_TEMPLATE}" "${entry}" @ONLY)
