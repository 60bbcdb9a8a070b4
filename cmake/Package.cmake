# The Debian package: `cpack -G DEB` in the build folder packages the standard layout under /usr as
# morvint_<version>_<arch>.deb. CPack packages the tree that is already built, so making the package takes
# seconds; the library dependencies come from dpkg-shlibdeps (dpkg-dev).
set(CPACK_GENERATOR DEB)
# The standard layout only, whichever layout a plain install gives.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};morvint;standard;/")
set(CPACK_PACKAGE_NAME morvint)
set(CPACK_PACKAGE_VENDOR "The morvint developers")
set(CPACK_PACKAGE_CONTACT "The morvint developers <developers@morvint.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Pick-3 number predictions read as plum-blossom I-Ching divination")
# The extended description, wrapped as the control file wants it: each line is shown as it is written here.
set(CPACK_PACKAGE_DESCRIPTION [=[
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
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt finds the CJK faces that stand in for 宋体 and 黑体 through fontconfig at run time, which no library
# dependency shows; without them every text falls back to a face that lacks the program's characters.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")

include(CPack)
