# `cpack -G DEB` in the build tree: a Debian package of what `cmake --install` installs.
# dpkg-shlibdeps derives the dependencies from the libraries the program links.
set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VENDOR Quarvel)
set(CPACK_PACKAGE_CONTACT "Quarvel <${QUARVEL_HOMEPAGE}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Full-screen test patterns for monitors")
set(CPACK_PACKAGE_DESCRIPTION
  "Quarvel fills one monitor, or every monitor at once, with full-screen test patterns for\n\
checking and adjusting CRT, flat-panel and video monitors.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${QUARVEL_HOMEPAGE})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The screens read Qt's platform screen through a private header, whose layout only this exact Qt
# version promises; Debian's Qt provides its version as qt6-base-abi for such programs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-base-abi (= ${Qt6Gui_VERSION})")
# Qt's own texts (shortcut names, dialog buttons) in the user's language; without them they stay
# English and the program runs as well.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
