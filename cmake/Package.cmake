# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian packages: `cpack -G DEB` in the build folder packages the standard layout under /usr as two
# packages, morvint_<version>_<arch>.deb (the program) and morvint-data_<version>_all.deb (its pictures, sound,
# help and template database, the same on every architecture), which the first depends on at exactly its own
# version. CPack packages the tree that is already built, so making the packages takes seconds; the library
# dependencies come from dpkg-shlibdeps (dpkg-dev).
set(CPACK_GENERATOR DEB)
# The install components of the standard layout (cmake/Install.cmake), one package per group: the program in
# games/, as Debian keeps a game, rather than in bin/, with the rest of standard; and data.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};morvint;ALL;/")
set(CPACK_COMPONENTS_ALL game standard data)
set(CPACK_COMPONENT_GAME_GROUP main)
set(CPACK_COMPONENT_STANDARD_GROUP main)
set(CPACK_COMPONENT_DATA_GROUP data)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_PACKAGE_NAME morvint)
set(CPACK_PACKAGE_VENDOR "The morvint developers")
set(CPACK_PACKAGE_CONTACT "The morvint developers <developers@morvint.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# The packages hold the same modes whatever the umask of whoever builds them: the folders CPack makes, the files
# (each install() names its mode or takes CMake's 644 and 755), and the members of the .deb archive itself.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/NormaliseDebMembers.cmake)

# The version is known only once the build has run (cmake/WriteVersion.cmake): it is read when packaging.
# morvint depends on morvint-data at exactly its own version: the program and its pictures are made together.
# Qt finds the CJK faces that stand in for 宋体 and 黑体 through fontconfig at run time, which no library
# dependency shows; without them every text falls back to a face that lacks the program's characters.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/CPackVersion.cmake)
# CPack stamps every member of the packages with SOURCE_DATE_EPOCH when it is set: the commit's time, as the
# build wrote it (cmake/WriteVersion.cmake), rather than the moment of packaging.
file(WRITE ${CPACK_PROJECT_CONFIG_FILE} "
include(\"${CMAKE_BINARY_DIR}/packaging/version.cmake\")
file(STRINGS \"${CMAKE_BINARY_DIR}/packaging/source-date-epoch\" morvint_epoch LIMIT_COUNT 1)
set(ENV{SOURCE_DATE_EPOCH} \"\${morvint_epoch}\")
set(CPACK_PACKAGE_VERSION \"\${MORVINT_PACKAGE_VERSION}\")
set(CPACK_DEBIAN_MAIN_PACKAGE_DEPENDS \"fonts-noto-cjk, morvint-data (= \${MORVINT_PACKAGE_VERSION})\")
")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# xz, as dpkg-deb compresses by default: the data package is half the size it is with gzip.
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
# The desktop entry's category is Game.
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

# Each description opens with its own summary line (so no CPACK_PACKAGE_DESCRIPTION_SUMMARY, which CPack would
# put before both); each line is shown as it is written here.
set(CPACK_DEBIAN_MAIN_PACKAGE_NAME morvint)
set(CPACK_DEBIAN_MAIN_DESCRIPTION [=[
Pick-3 number predictions read as plum-blossom I-Ching divination
Quintara (周易预测号码) predicts the daily three-digit lottery draw
(Pick-3) in the manner of plum-blossom I-Ching divination. For a draw
date and issue number it converts the date to the Chinese lunar
calendar, casts the main, mutual and changed hexagrams, judges each by
its body and use trigrams, shows the classical texts and proposes eight
three-digit codes.

Predictions are saved in a database in each user's data folder. Once a
draw has taken place, the user enters its real number and the program
marks which prediction hit. A player profile with a fourteen-character
fortune code draws a twelve-month fortune chart. The program is in
Chinese.]=])
set(CPACK_DEBIAN_MAIN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts in Chinese: the buttons of the message boxes (确定, 取消) and the text boxes' menus. Without
# them these few words are in English and the program still works, so a recommendation: apt installs it unless
# told to leave recommendations out.
set(CPACK_DEBIAN_MAIN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

set(CPACK_DEBIAN_DATA_PACKAGE_NAME morvint-data)
set(CPACK_DEBIAN_DATA_PACKAGE_ARCHITECTURE all)
# Until 4.3.0 these files were in the package morvint itself (version 4.3): taking them over from it, and not
# beside it, makes the upgrade from that package possible.
set(CPACK_DEBIAN_DATA_PACKAGE_REPLACES "morvint (<< 4.3.0~)")
set(CPACK_DEBIAN_DATA_PACKAGE_BREAKS "morvint (<< 4.3.0~)")
set(CPACK_DEBIAN_DATA_DESCRIPTION [=[
pictures, sound and help for the Quintara Pick-3 predictions
The architecture-independent files of Quintara (周易预测号码), which
predicts the daily three-digit lottery draw (Pick-3) in the manner of
plum-blossom I-Ching divination: the window pictures, the hexagram and
trigram pictures, the hover chime, the help documents in Chinese, and
the empty database from which each user's own is made.

This package is of no use without morvint.]=])

include(CPack)
