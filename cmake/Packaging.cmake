# The Debian package, made by CPack's DEB generator: scripts/package builds it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wirnak)
set(CPACK_PACKAGE_VENDOR "The Wirnak developers")
set(CPACK_PACKAGE_CONTACT "Wirnak developers <wirnak@users.noreply.github.com>")
set(CPACK_PACKAGE_HOMEPAGE_URL "${WIRNAK_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "equivalent SWG wire combinations for rewinding shops")
# Debian wraps nothing: each line stays under 80 columns, a blank line becomes " .".
set(CPACK_PACKAGE_DESCRIPTION
    "When the wire a motor or transformer winding was made of is not at hand,
Wirnak lists every combination of the Standard Wire Gauge sizes that are at
hand which, laid in parallel, give the same copper cross-section within 0.5 %.
Sizes whose stock is too light for their share of the winding's weight are
marked.

The wizard takes the original round or rectangular wire, the winding's
weight and the sizes on the shelf with their stock, and lists and prints the
equivalent combinations. The command wirnak-cli runs the same search on a job
given as arguments.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from dpkg-shlibdeps; Qt loads its window-system plugins at run
# time, which no linker sees, and the pages are drawn for Arial's metrics.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS ${CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS})
set(CPACK_PACKAGE_INSTALL_DIRECTORY wirnak)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/COPYING)

include(CPack)
