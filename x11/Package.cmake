# `cpack` in the build tree makes a Debian package of what `cmake --install` puts in place.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cascadium)
set(CPACK_PACKAGE_VENDOR Zantrel)
set(CPACK_PACKAGE_CONTACT "Zantrel")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Two-dimensional physics worlds as an xscreensaver hack")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Grey objects fall, bounce, roll, pile up on shelves and vanish again, swing in a\n Newton's cradle or drop through a field of pins. Box2D physics, drawn with Cairo.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_ENHANCES xscreensaver)
include(CPack)
