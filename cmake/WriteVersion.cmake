# SPDX-License-Identifier: GPL-3.0-or-later
# Runs at every build (cmake -P, see Version.cmake) and writes what carries the package version: a header for
# the program's --version, the version and date for CPack, the AppStream metainfo and the Debian changelog.
# Each file is rewritten only when its text changes, so that an unchanged version rebuilds nothing.
#
# The version is <base>+<commits>.g<commit>, e.g. 4.3.0+130.g1a2b3c4d: <commits> counts every commit up to the
# one built, so each commit on the main line gives a higher version than the one before, and apt takes a newer
# build as an upgrade. The release date is that commit's date. Without git (a source archive), the version is
# the base alone, dated SOURCE_DATE_EPOCH when the environment sets it (dpkg-buildpackage does, from
# debian/changelog), or else by the newest file of the source. A version given as MORVINT_VERSION (a Debian
# source package's build gives the upstream part of its own) is taken as it is, dated the same way.
#
# That moment is also the build's SOURCE_DATE_EPOCH, written to packaging/source-date-epoch: the resource
# compiler and CPack read it from there (res/CMakeLists.txt, cmake/Package.cmake), so that two builds of one
# commit, in other folders on other days, give the same bytes.
#
# In: MORVINT_SOURCE_DIR, MORVINT_BINARY_DIR, MORVINT_BASE_VERSION, MORVINT_VERSION (may be empty).

function(morvint_git result)
  execute_process(COMMAND git -C "${MORVINT_SOURCE_DIR}" ${ARGN}
    RESULT_VARIABLE failed
    OUTPUT_VARIABLE output
    OUTPUT_STRIP_TRAILING_WHITESPACE
    ERROR_QUIET)
  if(failed)
    set(output "")
  endif()
  set(${result} "${output}" PARENT_SCOPE)
endfunction()

set(version "${MORVINT_BASE_VERSION}")
set(commit "")
# Only the source's own history counts, not that of a repository it was unpacked into.
find_program(MORVINT_GIT git)
if(MORVINT_GIT AND NOT MORVINT_VERSION)
  morvint_git(top rev-parse --show-toplevel)
  file(REAL_PATH "${MORVINT_SOURCE_DIR}" source)
  if(top AND EXISTS "${top}")
    file(REAL_PATH "${top}" top)
  endif()
  if(top STREQUAL source)
    morvint_git(commit rev-parse --short=8 HEAD)
  endif()
endif()
if(commit)
  morvint_git(commits rev-list --count HEAD)
  morvint_git(shallow rev-parse --is-shallow-repository)
  if(shallow STREQUAL "true")
    message(WARNING "morvint: a shallow clone counts only the commits it has: the package version is too low")
  endif()
  set(version "${MORVINT_BASE_VERSION}+${commits}.g${commit}")
  morvint_git(epoch log -1 --format=%ct HEAD)
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
elseif(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  # The newest file of the source's own folders (a build folder inside the source is not among them).
  set(epoch 0)
  file(GLOB top_files LIST_DIRECTORIES false "${MORVINT_SOURCE_DIR}/*")
  file(GLOB_RECURSE source_files LIST_DIRECTORIES false
    "${MORVINT_SOURCE_DIR}/app/*" "${MORVINT_SOURCE_DIR}/bench/*" "${MORVINT_SOURCE_DIR}/cmake/*"
    "${MORVINT_SOURCE_DIR}/controls/*" "${MORVINT_SOURCE_DIR}/core/*" "${MORVINT_SOURCE_DIR}/debian/*"
    "${MORVINT_SOURCE_DIR}/docs/*" "${MORVINT_SOURCE_DIR}/fuzz/*" "${MORVINT_SOURCE_DIR}/packaging/*"
    "${MORVINT_SOURCE_DIR}/pages/*" "${MORVINT_SOURCE_DIR}/res/*" "${MORVINT_SOURCE_DIR}/shell/*"
    "${MORVINT_SOURCE_DIR}/store/*" "${MORVINT_SOURCE_DIR}/tests/*" "${MORVINT_SOURCE_DIR}/tools/*")
  foreach(source_file IN LISTS top_files source_files)
    file(TIMESTAMP "${source_file}" modified "%s" UTC)
    if(modified GREATER epoch)
      set(epoch "${modified}")
    endif()
  endforeach()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()
string(TIMESTAMP MORVINT_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP MORVINT_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(MORVINT_VERSION)
  set(version "${MORVINT_VERSION}")
endif()
set(MORVINT_PACKAGE_VERSION "${version}")
if(commit)
  set(MORVINT_BUILD_NOTE "Built from commit ${commit}, with ${commits} commits in its history.")
elseif(MORVINT_VERSION)
  set(MORVINT_BUILD_NOTE "Built from the source of version ${MORVINT_VERSION}.")
else()
  set(MORVINT_BUILD_NOTE "Built from a source tree without its git history.")
endif()

set(out "${MORVINT_BINARY_DIR}")
file(CONFIGURE OUTPUT "${out}/packaging/source-date-epoch" CONTENT "$ENV{SOURCE_DATE_EPOCH}\n")
file(CONFIGURE OUTPUT "${out}/generated/shell/PackageVersion.h" CONTENT [=[
#pragma once
// Written by the build (cmake/WriteVersion.cmake): the version of the package this program is part of.
inline constexpr char kPackageVersion[] = "@MORVINT_PACKAGE_VERSION@";
]=] @ONLY)
file(CONFIGURE OUTPUT "${out}/packaging/version.cmake" CONTENT [=[
set(MORVINT_PACKAGE_VERSION "@MORVINT_PACKAGE_VERSION@")
set(MORVINT_RELEASE_DATE "@MORVINT_RELEASE_DATE@")
]=] @ONLY)
configure_file("${MORVINT_SOURCE_DIR}/packaging/org.morvint.Quintara.metainfo.xml.in"
  "${out}/packaging/org.morvint.Quintara.metainfo.xml" @ONLY)
configure_file("${MORVINT_SOURCE_DIR}/packaging/changelog.in" "${out}/packaging/changelog" @ONLY)
