# `make package`: a Debian package of what `cmake --install` installs. Its dependencies come
# from the shared libraries the binaries link (dpkg-shlibdeps), plus the one plug-in that no
# binary links: Qt's SVG image support, which draws the window icon.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zolvan)
set(CPACK_PACKAGE_VENDOR "Korvid.")
set(CPACK_PACKAGE_CONTACT "Korvid. <zolvan@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "scientific and molecular-weight calculator")
set(CPACK_PACKAGE_DESCRIPTION
    "Zolvan evaluates lines such as H2SO4, 2h2o+nacl or sin(30)^2: element symbols stand for\n\
their atomic weights, so a formula gives its molecular weight. It also does statistics,\n\
square equations and number display in several modes. zolvan-cli does the same from a\n\
terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
if(ZOLVAN_UI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
endif()
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zolvan.example.org/")
include(CPack)
