# `make package` (the package preset, then CPack): the Debian package of the
# game in the games layout the package preset configures.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlund)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VORLUND_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stable of arena fighters duelling on a hex sphere")
# Lines as the control file shows them (CPack indents them, and marks the
# empty one).
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Vorlund is a single-player game about a stable of arena fighters."
  "Create a fighter from a name, a race and a strength, stake money on"
  "turn-based duels fought on the cells of a 3D hex sphere, and follow"
  "every move, blow and wound as a line in the Log. Between fights, gamble"
  "in the stands, practise to first blood, rest your fighters for a week,"
  "breed them on a farm, or hire a necromancer who sells what the graves"
  "hold. Behind the arena a solar system of 145 bodies turns."
  ""
  "vorlund-sim plays the same game headless from a script of commands,"
  "and plays back the recording every game leaves.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link come from dpkg-shlibdeps; what they load
# at run time is named here: the fonts the windows name, Qt's Wayland
# platform for a desktop without X, a GL driver.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, libgl1-mesa-dri")
include(CPack)
