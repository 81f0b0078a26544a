# The Debian package: `cpack -G DEB` in the build folder. Its dependencies are the libraries
# the programs link, as dpkg-shlibdeps finds them.
set(CPACK_PACKAGE_NAME korvelt-time-control)
set(CPACK_PACKAGE_VENDOR KORVELT)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configure the KORVELT time controller")
set(CPACK_PACKAGE_DESCRIPTION
    "KORVELT Time Control configures the KORVELT time controller, a USB HID device
that switches 16 outputs by a weekly timetable and by a second timetable for
16 special dates, and keeps its own clock with a daylight-saving rule. The
schedule is edited in a window, kept in data files, written to the device and
checked by reading it back. A demo program talks to a simulated device.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "KORVELT Support <support@korvelt.example.com>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://korvelt.example.com/time-control/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (Yes, No, Cancel, the file and print dialogs) in the program's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
