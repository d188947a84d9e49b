# The Debian package (cpack -G DEB): what `cmake --install` lays out, below /usr, with the
# dependencies that dpkg-shlibdeps reads off the programs' shared libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorna)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zorna developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "makes icons and small square pictures out of what is on the screen")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Zorna shows a copy of the screen with a small container of tool panels on top: the square "
    "under the pointer is composed at the output size over a background, and a click takes it. "
    "The result can be flipped, turned, given a shadow and a frame, edited in a paint program, "
    "saved as an icon, a button strip, a bitmap, a JPEG or a PNG file, copied to the clipboard "
    "or added to the program's gallery. The interface is Slovak. zornatool does the same from "
    "the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ZORNA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZORNA_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins at run time, so no library of ours names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# The faces that stand for the program's fonts, Qt's Slovak captions, Wayland sessions, and the
# paint programs that "Upraviť obrázok" starts.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-liberation2, fonts-urw-base35, qt6-translations-l10n, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "kolourpaint | mtpaint | pinta | gimp")
include(CPack)
