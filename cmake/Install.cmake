# SPDX-License-Identifier: GPL-3.0-or-later
# Installing, in one of two layouts. Both come from the same build: a plain `cmake --install` installs the
# standard layout, or the portable one when the build was configured with -DMORVINT_PORTABLE=ON; the other is
# there as components (`--component program`, `standard` and `data`, or `--component portable`).
#
# The standard layout, for `cmake --install <build> --prefix /usr` and the Debian packages, in components:
#
#   program:  bin/morvint
#   standard: lib/<architecture>/morvint/morvint_sound.so   the sound output, loaded when the first sound is due
#             lib/<architecture>/morvint/morvint_workbook.so   the Excel workbook, loaded on the first export
#             lib/<architecture>/morvint/morvint_print.so   the print preview, loaded on the first print
#             share/applications/org.morvint.Quintara.desktop
#             share/icons/hicolor/<size>/apps/org.morvint.Quintara.png
#             share/metainfo/org.morvint.Quintara.metainfo.xml
#             share/man/man6/morvint.6.gz, share/doc/morvint/{copyright,changelog.gz}
#   data:     share/morvint/   pictures, sound, help documents, and morvint.db: the empty database from which
#                              each user's own file is made on their first start
#             share/doc/morvint-data/{copyright,changelog.gz}
#   game:     games/morvint    the program where Debian keeps games; only the packages install this one
#
# A Debian source package's build (debian/rules) installs with a plain `make install` and sets two options:
# MORVINT_INSTALL_GAME, so that the plain install gives games/morvint in place of bin/morvint, and
# MORVINT_INSTALL_PACKAGE_DOCS=OFF, since debhelper installs the copyright and changelog of each package itself.
#
# The package morvint is game and standard, the package morvint-data is data (cmake/Package.cmake). games/ lies
# beside bin/, so the program finds its files and its plugin from either by the same relative paths.
#
# The program finds share/morvint from its own folder and never writes there: each user's predictions and
# profile live in that user's data folder (~/.local/share/morvint/morvint.db).
#
# The portable layout: `--prefix <folder>` makes <folder> a self-contained program folder, the executable
# beside its files and its own morvint.db, which is written only when the folder has none, so installing again
# over a folder in use keeps the player's profile and saved predictions. The folder's share/ holds the desktop
# entry (naming the folder), the icons and the metainfo.
if(NOT TARGET morvint)
  return()
endif()

set(MORVINT_APP_ID org.morvint.Quintara)

option(MORVINT_INSTALL_GAME "Let a plain install put the program in games/, as the Debian packages do, not bin/" OFF)
option(MORVINT_INSTALL_PACKAGE_DOCS "Install each package's copyright and changelog under share/doc" ON)

if(MORVINT_PORTABLE)
  set(program COMPONENT program EXCLUDE_FROM_ALL)
  set(standard COMPONENT standard EXCLUDE_FROM_ALL)
  set(data COMPONENT data EXCLUDE_FROM_ALL)
  set(portable COMPONENT portable)
else()
  set(program COMPONENT program)
  set(standard COMPONENT standard)
  set(data COMPONENT data)
  set(portable COMPONENT portable EXCLUDE_FROM_ALL)
endif()
set(game COMPONENT game EXCLUDE_FROM_ALL)
if(MORVINT_INSTALL_GAME AND NOT MORVINT_PORTABLE)
  set(program COMPONENT program EXCLUDE_FROM_ALL)
  set(game COMPONENT game)
endif()

# What both layouts hold besides the program, in their own places: its three plugins, the icons and the metainfo
# (in the component given after the folders), and its pictures, sound and help documents (in the one given as
# files_component, as the build wrote them into its program folder; the build's own database holds whatever
# was saved while trying the build and is never installed).
function(morvint_install_files plugin_dir files_dir share_dir files_component)
  install(TARGETS morvint_sound morvint_workbook morvint_print LIBRARY DESTINATION ${plugin_dir} ${ARGN})
  install(DIRECTORY ${MORVINT_PROGRAM_DIR}/ DESTINATION ${files_dir} ${files_component}
    FILES_MATCHING
    PATTERN "*.ggr"
    PATTERN "*.mid"
    PATTERN "*.bmp"
    PATTERN "*.wav"
    PATTERN "*.html")
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/morvint.png
      DESTINATION ${share_dir}/icons/hicolor/${size}x${size}/apps RENAME ${MORVINT_APP_ID}.png ${ARGN})
  endforeach()
  install(FILES ${CMAKE_BINARY_DIR}/packaging/${MORVINT_APP_ID}.metainfo.xml DESTINATION ${share_dir}/metainfo
    ${ARGN})
endfunction()

# A stripped install (the packages') also drops the compiler's notes, as Debian's own packages do.
function(morvint_strip_notes file)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${file}\" COMMAND_ERROR_IS_FATAL ANY)
    endif()" ${ARGN})
endfunction()

# The standard layout.
install(TARGETS morvint RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} ${program})
install(TARGETS morvint RUNTIME DESTINATION games ${game})
morvint_strip_notes(games/morvint ${game})
morvint_install_files(${MORVINT_SOUND_PLUGIN_DIR} ${CMAKE_INSTALL_DATADIR}/morvint ${CMAKE_INSTALL_DATADIR} "${data}"
  ${standard})
morvint_strip_notes(${MORVINT_SOUND_PLUGIN_DIR}/$<TARGET_FILE_NAME:morvint_sound> ${standard})
morvint_strip_notes(${MORVINT_SOUND_PLUGIN_DIR}/$<TARGET_FILE_NAME:morvint_workbook> ${standard})
morvint_strip_notes(${MORVINT_SOUND_PLUGIN_DIR}/$<TARGET_FILE_NAME:morvint_print> ${standard})

# The template database, made fresh by the build: no user ever writes into it.
set(morvint_template ${CMAKE_BINARY_DIR}/packaging/morvint.db)
add_custom_command(OUTPUT ${morvint_template}
  COMMAND ${CMAKE_COMMAND} -E rm -f ${morvint_template}
  COMMAND morvint_emptydb ${morvint_template}
  DEPENDS morvint_emptydb
  COMMENT "Writing the template database"
  VERBATIM)

# The entry starts the program from the PATH and takes its icon from the icon theme, at every size.
set(MORVINT_DESKTOP_EXEC morvint)
set(MORVINT_DESKTOP_TRYEXEC morvint)
set(MORVINT_DESKTOP_ICON ${MORVINT_APP_ID})
configure_file(${CMAKE_SOURCE_DIR}/packaging/${MORVINT_APP_ID}.desktop.in
  ${CMAKE_BINARY_DIR}/packaging/${MORVINT_APP_ID}.desktop @ONLY)

# The manual page (in section 6, the games') and the Debian changelog (which the build writes with the package
# version) are installed compressed, as the distribution wants them; -n keeps the time out, so that the same
# text gives the same bytes.
set(morvint_gzipped "")
foreach(source ${CMAKE_SOURCE_DIR}/packaging/morvint.6 ${CMAKE_BINARY_DIR}/packaging/changelog)
  get_filename_component(name ${source} NAME)
  set(gzipped ${CMAKE_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${gzipped}
    COMMAND gzip -9nc ${source} > ${gzipped}
    DEPENDS ${source}
    VERBATIM)
  list(APPEND morvint_gzipped ${gzipped})
endforeach()
add_custom_target(morvint_install_files ALL DEPENDS ${morvint_template} ${morvint_gzipped})
add_dependencies(morvint_install_files morvint_version)

install(FILES ${morvint_template} DESTINATION ${CMAKE_INSTALL_DATADIR}/morvint ${data})
install(FILES ${CMAKE_BINARY_DIR}/packaging/${MORVINT_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  ${standard})
install(FILES ${CMAKE_BINARY_DIR}/packaging/morvint.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6 ${standard})
# Each package carries the copyright (debian/copyright, the source package's) and its own changelog. Under
# debhelper, dh installs both itself.
if(MORVINT_INSTALL_PACKAGE_DOCS)
  install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR} ${standard})
  install(FILES ${CMAKE_SOURCE_DIR}/debian/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/morvint-data ${data})
endif()

# The portable layout.
install(TARGETS morvint RUNTIME DESTINATION . ${portable})
morvint_install_files(. . share "${portable}" ${portable})

# A fresh database, written only when the folder has none.
install(CODE "
  set(morvint_db \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/morvint.db\")
  if(EXISTS \"\${morvint_db}\")
    message(STATUS \"Keeping: \${morvint_db}\")
  else()
    message(STATUS \"Installing: \${morvint_db} (empty)\")
    execute_process(COMMAND \"$<TARGET_FILE:morvint_emptydb>\" \"\${morvint_db}\" RESULT_VARIABLE morvint_db_result)
    if(NOT morvint_db_result EQUAL 0)
      message(FATAL_ERROR \"Could not write \${morvint_db}\")
    endif()
  endif()" ${portable})

# The desktop entry names the folder it was installed to, which is known only when installing.
install(CODE "
  set(MORVINT_APP_ID \"${MORVINT_APP_ID}\")
  set(MORVINT_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/packaging/${MORVINT_APP_ID}.desktop.in\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")" ${portable})

include(cmake/Package.cmake)
