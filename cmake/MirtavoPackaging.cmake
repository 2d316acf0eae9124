# The Debian package: `cpack -G DEB` in the build tree. Library dependencies are found by
# dpkg-shlibdeps; the fonts the windows are designed around are named by hand.
set(CPACK_PACKAGE_NAME mirtavo)
set(CPACK_PACKAGE_VENDOR "Mirtavo")
set(CPACK_PACKAGE_CONTACT "Mirtavo developers <developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reliability of psychological tests and scales")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Mirtavo computes, from summary numbers typed in, coefficient alpha from variances, the "
    "Spearman-Brown reliability from the number of items and the average inter-item "
    "correlation, the inter-item correlation implied by alpha, the number of items a desired "
    "reliability needs, and a table and graph of reliability against the number of items.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, fonts-dejavu-core")

include(CPack)
