# A Debian package of the install tree:
#   cpack --config build/CPackConfig.cmake -G DEB   ->   pelmora_0.80.0_amd64.deb
# Its dependencies come from the shared libraries the programs link (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME pelmora)
set(CPACK_PACKAGE_VENDOR "the Pelmora developers")
set(CPACK_PACKAGE_CONTACT "the Pelmora developers <pelmora@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "title screen editor for an NES game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Pelmora opens the game's iNES ROM image, shows its title screen as the console draws it, "
  "and lets you place tiles, choose the palette of each 16 x 16 area, change the palette "
  "colours, draw the title's tiles, import a picture as the title and share the result as an "
  "IPS or BPS patch. pelmora-cli does the same from build scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/pelmora/pelmora")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_INSTALL_DIRECTORY pelmora)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The editor needs a Qt platform plugin to open its window; the library packages do not pull one in.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")

include(CPack)
