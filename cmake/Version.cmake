# SPDX-License-Identifier: GPL-3.0-or-later
# The package version, worked out from git at every build rather than when configuring, so that a commit made
# since is never missed (cmake/WriteVersion.cmake says how). "Quintara V4.3" stays the program's name: the
# version below only numbers the builds of it.
set(MORVINT_BASE_VERSION ${PROJECT_VERSION})
# A source package's build has no git history: debian/rules gives the version from debian/changelog instead.
set(MORVINT_VERSION "" CACHE STRING "The package version, in place of the one worked out from git (empty: from git)")
set(MORVINT_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
set(MORVINT_VERSION_FILES
  ${MORVINT_GENERATED_DIR}/shell/PackageVersion.h
  ${CMAKE_BINARY_DIR}/packaging/version.cmake
  ${CMAKE_BINARY_DIR}/packaging/org.morvint.Quintara.metainfo.xml
  ${CMAKE_BINARY_DIR}/packaging/changelog
  ${CMAKE_BINARY_DIR}/packaging/source-date-epoch)
add_custom_target(morvint_version
  COMMAND ${CMAKE_COMMAND} -DMORVINT_SOURCE_DIR=${CMAKE_SOURCE_DIR} -DMORVINT_BINARY_DIR=${CMAKE_BINARY_DIR}
          -DMORVINT_BASE_VERSION=${MORVINT_BASE_VERSION}
          -DMORVINT_VERSION=${MORVINT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/WriteVersion.cmake
  BYPRODUCTS ${MORVINT_VERSION_FILES}
  COMMENT "Working out the package version"
  VERBATIM)
