# A Debian package of the installed program: cpack -G DEB in a release build.
set(CPACK_PACKAGE_NAME plenwick)
set(CPACK_PACKAGE_VENDOR "Plenwick")
set(CPACK_PACKAGE_CONTACT "Plenwick developers <developers@plenwick.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Calculator for credit-card debt")
set(CPACK_PACKAGE_DESCRIPTION
  "Plenwick tells, card by card, how many months a balance takes to pay off, what monthly payment clears it in a chosen time, and what paying more, paying faster or switching to an advertised card would save.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY plenwick)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_STRIP_FILES ON)
# The libraries the program and its banner browser module link are found by
# dpkg-shlibdeps; Qt's platform plugins are loaded at run time, so the tools
# cannot see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Opening an offer's page in the person's browser.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
