# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack after it has written the packages (CPACK_POST_BUILD_SCRIPTS, cmake/Package.cmake): gives the
# three members of each .deb (debian-binary, control.tar.gz, data.tar.gz) the mode 100644 that dpkg-deb writes.
# CPack takes each member's mode from the file it wrote it from, so the umask of whoever packages would
# otherwise show in the package (100664 under umask 0002) and two builds of one commit would differ.
#
# An ar archive is "!<arch>\n" and then, for each member, a 60-byte header of text fields (the mode is the 8
# bytes at offset 40, the size the 10 at offset 48) and the member itself, padded to an even length.
set(wanted "100644  ")
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  if(NOT package MATCHES "\\.deb$")
    continue()
  endif()
  file(SIZE "${package}" package_size)
  set(offset 8)
  while(offset LESS package_size)
    file(READ "${package}" header OFFSET ${offset} LIMIT 60)
    string(SUBSTRING "${header}" 40 8 mode)
    string(SUBSTRING "${header}" 48 10 member_size)
    string(STRIP "${member_size}" member_size)
    if(NOT member_size MATCHES "^[0-9]+$")
      message(FATAL_ERROR "${package}: no ar member header at byte ${offset}")
    endif()
    if(NOT mode STREQUAL wanted)
      math(EXPR mode_offset "${offset} + 40")
      execute_process(
        COMMAND sh -c "printf '%s' \"$1\" | dd of=\"$2\" bs=1 seek=\"$3\" conv=notrunc status=none" sh
                "${wanted}" "${package}" ${mode_offset}
        COMMAND_ERROR_IS_FATAL ANY)
    endif()
    math(EXPR offset "${offset} + 60 + ${member_size} + ${member_size} % 2")
  endwhile()
endforeach()
