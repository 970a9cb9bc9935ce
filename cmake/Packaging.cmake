# The Debian package: `cpack --preset deb` in a build without tests. The Qt libraries the program links
# become the package's dependencies (dpkg-shlibdeps); the platform plugins are loaded at run time, so
# they are named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brisrundan)
set(CPACK_PACKAGE_VENDOR Brisrundan)
set(CPACK_PACKAGE_CONTACT "Brisrundan")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Race desk for a handicap sailing race (in Swedish)")
set(CPACK_PACKAGE_DESCRIPTION
  "Keeps the boats of a race, takes the common start and each finish at the click, computes sailed and\
 corrected times with the boats' LYS numbers, and shows and prints the result list.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
include(CPack)
