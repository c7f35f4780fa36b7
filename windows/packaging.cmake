# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The three forms a Windows user gets the program in: a portable zip, and
# for a school's IT an installer and an MSI package. All three are made by
# CPack from the same install rules. The installer is NSIS: it puts an entry
# in the Start menu and in Windows' list of installed programs, and installs
# and uninstalls silently with /S. The MSI (msi.cmake, through CPack's
# External generator) does the same for Group Policy and the deployment
# tools that take Windows Installer packages only.
set(CPACK_GENERATOR ZIP NSIS64 External)
set(CPACK_NSIS_EXECUTABLE ${CMAKE_CURRENT_SOURCE_DIR}/makensis.sh)
set(CPACK_PACKAGE_NAME roman-converter)
set(CPACK_PACKAGE_VENDOR "Roman converter developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Converter between Roman numerals and Arabic numbers")
set(CPACK_PACKAGE_FILE_NAME ${CPACK_PACKAGE_NAME}-${PROJECT_VERSION}-windows-x64)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/MIT.txt)
set(CPACK_STRIP_FILES ON)
# The zip unpacks into one folder of the package's name.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

set(CPACK_PACKAGE_INSTALL_DIRECTORY "Roman converter")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY roman-converter)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "${description}")
set(CPACK_NSIS_DISPLAY_NAME "${description}")
set(CPACK_NSIS_MUI_ICON ${ico})
set(CPACK_NSIS_MUI_UNIICON ${ico})
set(CPACK_NSIS_INSTALLED_ICON_NAME roman-converter.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# CPack's uninstaller removes the program's own key under the vendor's and
# would leave the vendor's, empty.
set(vendor_key "Software\\\\${CPACK_PACKAGE_VENDOR}")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegKey SHCTX \\\"${vendor_key}\\\\${CPACK_PACKAGE_INSTALL_REGISTRY_KEY}\\\"
  DeleteRegKey /ifempty SHCTX \\\"${vendor_key}\\\"")
# The Start menu entry, by the program's Bulgarian name, for the program at
# the top of the install folder.
set(CPACK_PACKAGE_EXECUTABLES roman-converter "${description}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)

set(CPACK_EXTERNAL_ENABLE_STAGING ON)
set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CMAKE_CURRENT_SOURCE_DIR}/msi.cmake)
# Windows Installer knows every version of the program by this code, and so
# replaces an older one: it never changes.
set(CPACK_WIXL_UPGRADE_GUID 92DF8ED8-2329-4BF1-8B64-427E89471062)
set(CPACK_WIXL_PRODUCT_NAME "${description}")
set(CPACK_WIXL_PRODUCT_ICON ${ico})
find_program(CPACK_WIXL_WIXL wixl REQUIRED)
find_program(CPACK_WIXL_MSIBUILD msibuild REQUIRED)
find_program(CPACK_WIXL_FAKETIME faketime REQUIRED)
include(${PROJECT_SOURCE_DIR}/cmake/source-date-epoch.cmake)
include(CPack)
