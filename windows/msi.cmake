# SPDX-FileCopyrightText: 2026 The Roman converter developers
# SPDX-License-Identifier: MIT

# The MSI package, which CPack's External generator makes with this script
# once it has staged the install tree, the same tree the zip and the NSIS
# installer hold: each staged file under Program Files, a Start menu entry
# for each of CPack's executables, and an entry in Windows' list of installed
# programs, installed per machine. Debian's wixl builds it from the WiX
# source written here; msibuild then gives it what wixl does not: its
# strings' code page and a package code of its own contents.

set(stage "${CPACK_TEMPORARY_DIRECTORY}")
# wixl takes sources by paths relative to its folder, the top of CPack's.
set(top "${CPACK_TOPLEVEL_DIRECTORY}")
file(RELATIVE_PATH staged "${top}" "${stage}")
set(version "${CPACK_PACKAGE_VERSION}")
# Windows Installer orders versions by three fields, so bounded; with a
# fourth, or past the bounds, an upgrade would leave the older version in.
if(NOT version MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$" OR CMAKE_MATCH_1 GREATER 255
   OR CMAKE_MATCH_2 GREATER 255 OR CMAKE_MATCH_3 GREATER 65535)
    message(FATAL_ERROR "An MSI's version is major.minor.patch, at most 255.255.65535, not '${version}'")
endif()
# The upgrade code is the product's for good; the product code is new with
# each version, and the same for the same version.
string(UUID product_code NAMESPACE "${CPACK_WIXL_UPGRADE_GUID}" NAME "${version}" TYPE SHA1 UPPER)

# The names are Bulgarian: the strings are in its Windows code page.
set(language 1026)
set(codepage 1251)

function(xml_escape out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A WiX identifier for a staged path: letters, digits, _ and ., at most 72.
set(ids "")
function(wix_id out prefix path)
    string(MAKE_C_IDENTIFIER "${prefix}_${path}" id)
    string(LENGTH "${id}" length)
    if(length GREATER 72 OR id IN_LIST ids)
        message(FATAL_ERROR "No identifier of its own for ${path} in the MSI: rename it")
    endif()
    set(ids ${ids} ${id} PARENT_SCOPE)
    set(${out} ${id} PARENT_SCOPE)
endfunction()

xml_escape(product_name "${CPACK_WIXL_PRODUCT_NAME}")
xml_escape(vendor "${CPACK_PACKAGE_VENDOR}")
xml_escape(summary "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}")
xml_escape(install_dir "${CPACK_PACKAGE_INSTALL_DIRECTORY}")
xml_escape(homepage "${CPACK_PACKAGE_HOMEPAGE_URL}")

# The Start menu entries, as the NSIS installer makes them: pairs of a
# program's name and its entry's caption, the program in the executables'
# folder of the install tree.
set(shortcuts "")
set(executables ${CPACK_PACKAGE_EXECUTABLES})
set(executables_dir bin)
if(DEFINED CPACK_NSIS_EXECUTABLES_DIRECTORY)
    set(executables_dir "${CPACK_NSIS_EXECUTABLES_DIRECTORY}")
endif()
while(executables)
    list(POP_FRONT executables program caption)
    file(TO_CMAKE_PATH "${executables_dir}/${program}.exe" path)
    string(REGEX REPLACE "^(\\./)+" "" path "${path}")
    if(NOT EXISTS "${stage}/${path}")
        message(FATAL_ERROR "The Start menu entry '${caption}' is for ${path}, which is not installed")
    endif()
    list(APPEND shortcuts "${path}")
    set("caption_${path}" "${caption}")
endwhile()

# Every staged file and folder, a component for each file with the file as
# its key path. Time stamps are the commit's, so two runs give the same bytes.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND find "${stage}" -exec touch --no-dereference
            --date "@$ENV{SOURCE_DATE_EPOCH}" -- {} +
        COMMAND_ERROR_IS_FATAL ANY)
endif()
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${stage}" "${stage}/*")
list(SORT files)
set(components "")
set(tree "")

# folder(PATH): the WiX elements of the staged folder PATH ("" for the top),
# its files and then its subfolders, appended to the variable tree.
function(folder path)
    if(path STREQUAL "")
        set(dir_id INSTALLDIR)
        set(prefix "")
    else()
        wix_id(dir_id d "${path}")
        get_filename_component(name "${path}" NAME)
        xml_escape(name "${name}")
        string(APPEND tree "<Directory Id=\"${dir_id}\" Name=\"${name}\">\n")
        set(prefix "${path}/")
    endif()
    set(subfolders "")
    string(LENGTH "${prefix}" skip)
    foreach(file IN LISTS files)
        string(FIND "${file}" "${prefix}" at)
        if(NOT at EQUAL 0)
            continue()
        endif()
        string(SUBSTRING "${file}" ${skip} -1 rest)
        if(rest MATCHES "^([^/]+)/")
            list(APPEND subfolders "${prefix}${CMAKE_MATCH_1}")
            continue()
        endif()
        wix_id(file_id f "${file}")
        xml_escape(source "${staged}/${file}")
        string(APPEND tree "<Component Id=\"c_${file_id}\" Guid=\"*\" Win64=\"yes\">\n"
            "  <File Id=\"${file_id}\" Source=\"${source}\" KeyPath=\"yes\"/>\n")
        if(file IN_LIST shortcuts)
            xml_escape(caption "${caption_${file}}")
            string(APPEND tree "  <Shortcut Id=\"s_${file_id}\" Directory=\"ProgramMenuFolder\" "
                "Name=\"${caption}\" Target=\"[#${file_id}]\" WorkingDirectory=\"${dir_id}\" "
                "Icon=\"product.ico\"/>\n")
        endif()
        string(APPEND tree "</Component>\n")
        list(APPEND components "c_${file_id}")
    endforeach()
    list(REMOVE_DUPLICATES subfolders)
    foreach(subfolder IN LISTS subfolders)
        folder("${subfolder}")
    endforeach()
    if(NOT path STREQUAL "")
        string(APPEND tree "</Directory>\n")
    endif()
    set(tree "${tree}" PARENT_SCOPE)
    set(components "${components}" PARENT_SCOPE)
    set(ids "${ids}" PARENT_SCOPE)
endfunction()
folder("")

set(component_refs "")
foreach(component IN LISTS components)
    string(APPEND component_refs "      <ComponentRef Id=\"${component}\"/>\n")
endforeach()
file(COPY_FILE "${CPACK_WIXL_PRODUCT_ICON}" "${top}/product.ico")

set(wxs "${top}/${CPACK_PACKAGE_FILE_NAME}.wxs")
file(WRITE "${wxs}" "<?xml version=\"1.0\" encoding=\"utf-8\"?>
<Wix xmlns=\"http://schemas.microsoft.com/wix/2006/wi\">
  <Product Id=\"${product_code}\" UpgradeCode=\"${CPACK_WIXL_UPGRADE_GUID}\"
           Name=\"${product_name}\" Version=\"${version}\" Manufacturer=\"${vendor}\"
           Language=\"${language}\" Codepage=\"${codepage}\">
    <Package InstallerVersion=\"500\" Compressed=\"yes\" InstallScope=\"perMachine\"
             Description=\"${product_name}\" Comments=\"${summary}\" SummaryCodepage=\"${codepage}\"/>
    <Media Id=\"1\" Cabinet=\"program.cab\" EmbedCab=\"yes\"/>
    <MajorUpgrade DowngradeErrorMessage=\"A newer version of [ProductName] is already installed. По-нова версия на [ProductName] вече е инсталирана.\"/>
    <Icon Id=\"product.ico\" SourceFile=\"product.ico\"/>
    <Property Id=\"ARPPRODUCTICON\" Value=\"product.ico\"/>
    <Property Id=\"ARPURLINFOABOUT\" Value=\"${homepage}\"/>
    <Property Id=\"ARPNOMODIFY\" Value=\"1\"/>
    <Directory Id=\"TARGETDIR\" Name=\"SourceDir\">
      <Directory Id=\"ProgramFiles64Folder\">
        <Directory Id=\"INSTALLDIR\" Name=\"${install_dir}\">
${tree}        </Directory>
      </Directory>
      <Directory Id=\"ProgramMenuFolder\"/>
    </Directory>
    <Feature Id=\"program\" Title=\"${product_name}\" Level=\"1\">
${component_refs}    </Feature>
  </Product>
</Wix>
")

# wixl writes strings in the code page of the locale it is told of, but marks
# the database as of no code page; msibuild marks it, so that Windows reads
# the Cyrillic names right whatever its own code page. wixl stamps the
# package with the clock, so the clock is set to the commit's time, and its
# package code is random, so it is made from the contents instead.
set(msi "${top}/${CPACK_PACKAGE_FILE_NAME}.msi")
set(environment env WINDOWS_LANGUAGE=bg TZ=UTC)
set(clock "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND date --utc --date "@$ENV{SOURCE_DATE_EPOCH}" "+%Y-%m-%d %H:%M:%S"
        OUTPUT_VARIABLE time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(clock ${CPACK_WIXL_FAKETIME} -f "${time}")
endif()
execute_process(COMMAND ${environment} ${clock} ${CPACK_WIXL_WIXL} --arch x64 --output "${msi}" "${wxs}"
    WORKING_DIRECTORY "${top}" COMMAND_ERROR_IS_FATAL ANY)

file(WRITE "${top}/codepage.idt" "\r\n\r\n${codepage}\t_ForceCodepage\r\n")
# The source names every file, the version and the product code; with the
# files' and the icon's contents it makes the package what it is.
set(contents "")
list(TRANSFORM files PREPEND "${stage}/" OUTPUT_VARIABLE sources)
foreach(source "${wxs}" "${top}/product.ico" ${sources})
    file(SHA256 "${source}" hash)
    string(APPEND contents "${hash}")
endforeach()
string(UUID package_code NAMESPACE "${CPACK_WIXL_UPGRADE_GUID}" NAME "${contents}" TYPE SHA1 UPPER)
execute_process(COMMAND ${environment} ${CPACK_WIXL_MSIBUILD} "${msi}"
        -i "${top}/codepage.idt"
        -s "${CPACK_WIXL_PRODUCT_NAME}" "${CPACK_PACKAGE_VENDOR}" "x64;${language}" "{${package_code}}"
    COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_EXTERNAL_BUILT_PACKAGES "${msi}")
