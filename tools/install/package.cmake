# The Debian package, made by CPack from the install rules above:
#   cpack --config build/CPackConfig.cmake     (or: cmake --build build --target package)
# writes vexo-world-cup_<version>_<arch>.deb into build/. Everything is installed under /usr.
# The dependencies are the packages of the libraries the programs link (dpkg-shlibdeps, from
# dpkg-dev) and the Japanese font the game draws its texts with. The package has no maintainer
# scripts: nothing of a user's own (his game folder under ~/.local/share/feldo/) is touched by
# installing or removing it.
set(FELDO_PACKAGE_MAINTAINER "Vexo World Cup developers"
  CACHE STRING "The Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexo-world-cup)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${FELDO_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "football game: lead a national team through a World Cup")
set(CPACK_PACKAGE_DESCRIPTION
  "Vexo World Cup is a single-player football (soccer) game with a Japanese
or English user interface in the style of the mid-1990s desktop. You take
charge of one national team and play real-time matches on a top-down pitch
against a computer side, steering one player of your team with the
keyboard. Play the World Cup campaign from the regional qualifying league
to the final, friendlies and practice matches, at four opponent levels.")
# The DEB generator stages the install through DESTDIR with this prefix, so the menu entry
# names the start by its installed path.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The game reads IPA Gothic, or whichever Japanese gothic font the system's
# fonts-japanese-gothic.ttf points to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic | fonts-japanese-gothic")

include(CPack)
