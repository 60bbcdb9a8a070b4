# Installing: `cmake --install <build> --prefix <folder>` turns <folder> into a self-contained program folder.
# The program reads its pictures, sound and database from the folder it is started in and its help documents
# from the folder of its executable, so everything lands side by side at the top of the prefix:
#
#   <folder>/morvint, *.ggr, *.mid, *.bmp, jiu_low.wav, help*.html, morvint.db
#   <folder>/share/applications/org.morvint.Quintara.desktop   (Path= and Exec= point at <folder>)
#   <folder>/share/metainfo/org.morvint.Quintara.metainfo.xml
#   <folder>/share/icons/hicolor/<size>/apps/org.morvint.Quintara.png
#
# The folder must stay writable for its user: predictions and the player profile are saved in morvint.db.
if(NOT TARGET morvint)
  return()
endif()

set(MORVINT_APP_ID org.morvint.Quintara)

install(TARGETS morvint RUNTIME DESTINATION .)

# The pictures, the sound and the help documents the build wrote into the program folder. The database of the
# build folder is never copied: it holds whatever was saved while trying the build.
install(DIRECTORY ${MORVINT_PROGRAM_DIR}/ DESTINATION .
  FILES_MATCHING
  PATTERN "*.ggr"
  PATTERN "*.mid"
  PATTERN "*.bmp"
  PATTERN "*.wav"
  PATTERN "*.html")

# A fresh database, written only when the folder has none: reinstalling over a folder in use keeps the
# player's profile and saved predictions.
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
  endif()")

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${CMAKE_BINARY_DIR}/icons/hicolor/${size}x${size}/apps/morvint.png
    DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${MORVINT_APP_ID}.png)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/packaging/${MORVINT_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# The desktop entry names the folder it was installed to, which is known only when installing.
install(CODE "
  set(MORVINT_APP_ID \"${MORVINT_APP_ID}\")
  set(MORVINT_DESKTOP_TEMPLATE \"${CMAKE_SOURCE_DIR}/packaging/${MORVINT_APP_ID}.desktop.in\")
  include(\"${CMAKE_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")")
