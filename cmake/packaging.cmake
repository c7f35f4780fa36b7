# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# A Debian package of the installed program. Its library dependencies are
# read off the binary; the font and Qt's Bulgarian catalogue are named, since
# the program only finds them at run time.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME roman-converter)
set(CPACK_PACKAGE_VENDOR "Roman converter developers")
set(CPACK_PACKAGE_CONTACT "Roman converter developers <developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "converter between Roman numerals and Arabic numbers")
# The summary above is the synopsis; CPack puts it first and indents these lines.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "A small desktop program with a Bulgarian interface: type a number from 1 to
3999 to see its Roman numeral, or a Roman numeral to see its value. A help
text explains the Roman number system.")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n")
# Without it Qt runs under XWayland on a Wayland desktop, which still works.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

include(${CMAKE_CURRENT_LIST_DIR}/source-date-epoch.cmake)
include(CPack)
