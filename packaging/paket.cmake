# The Debian package, made by `cpack -G DEB` in the build tree.
set(CPACK_PACKAGE_NAME flockenlinie)
set(CPACK_PACKAGE_VERSION ${FLOCKENLINIE_VERSION})
set(CPACK_PACKAGE_VENDOR Flockenlinie)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Schätzt die Schneefallgrenze aus der 850-hPa-Fläche")
set(CPACK_PACKAGE_DESCRIPTION "Flockenlinie berechnet aus Temperatur und geopotenzieller Höhe der \
850-hPa-Fläche die Schneefallgrenze nach der Faustregel Höhe + (Temperatur - 2) x 150 m.")
set(CPACK_PACKAGE_CONTACT "Flockenlinie-Entwickler <entwickler@flockenlinie.de>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://flockenlinie.de/)
# The libraries it links come from dpkg-shlibdeps; Qt's German texts it loads.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-translations-l10n)

include(CPack)
