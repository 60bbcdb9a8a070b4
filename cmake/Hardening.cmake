# SPDX-License-Identifier: GPL-3.0-or-later
# The distribution's hardening for the whole build (tests included, so that they run what is shipped): stack
# protector, fortified libc calls, format checks, a read-only relocation table bound at start, and a
# position-independent executable. The flags come from dpkg-buildflags with every hardening feature on, as a
# Debian package build gets them, less its -g and -O2: the build type decides debugging and optimisation.
#
# A sanitizer build (which the fuzzers are too) goes without: it is never shipped, and the sanitizers bring
# their own checks. _FORTIFY_SOURCE needs an optimised build, so a Debug build goes without that one alone.
option(MORVINT_HARDENING "Build with the distribution's hardening flags (dpkg-buildflags)" ON)

# Position-independent code everywhere, and -pie when linking executables.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
include(CheckPIESupported)
check_pie_supported()

if(NOT MORVINT_HARDENING OR MORVINT_SANITIZE)
  return()
endif()
find_program(MORVINT_DPKG_BUILDFLAGS dpkg-buildflags)
if(NOT MORVINT_DPKG_BUILDFLAGS)
  message(STATUS "morvint: no dpkg-buildflags: built without the distribution's hardening flags")
  return()
endif()

# Run from the source folder: the reproducible-build flag that maps file names to relative ones names it.
function(morvint_buildflags kind result)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${MORVINT_DPKG_BUILDFLAGS} --get ${kind}
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE flags
    OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
  separate_arguments(flags UNIX_COMMAND "${flags}")
  list(FILTER flags EXCLUDE REGEX "^(-g|-O[0-9s]?)$")
  set(${result} ${flags} PARENT_SCOPE)
endfunction()

morvint_buildflags(CPPFLAGS cppflags)
morvint_buildflags(CXXFLAGS cxxflags)
morvint_buildflags(LDFLAGS ldflags)
list(TRANSFORM cppflags REPLACE "^(-D_FORTIFY_SOURCE=.*)$" "$<$<NOT:$<CONFIG:Debug>>:\\1>")
add_compile_options(${cppflags} ${cxxflags})
add_link_options(${ldflags})
message(STATUS "morvint: hardening: ${cppflags} ${cxxflags} ${ldflags}")
