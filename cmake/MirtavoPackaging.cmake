# The packages: on Linux the Debian package (`cpack -G DEB` in the build tree), on Windows a
# portable zip and an NSIS installer (`cpack -G "ZIP;NSIS"` in the cross build's tree), for the
# browser a zip of the page's folder.
set(CPACK_PACKAGE_NAME mirtavo)
set(CPACK_PACKAGE_VENDOR "Mirtavo")
set(CPACK_PACKAGE_CONTACT "Mirtavo developers <developers@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "reliability of psychological tests and scales")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Mirtavo computes, from summary numbers typed in, coefficient alpha from variances, the "
    "Spearman-Brown reliability from the number of items and the average inter-item "
    "correlation, the inter-item correlation implied by alpha, the number of items a desired "
    "reliability needs, and a table and graph of reliability against the number of items.")
set(CPACK_STRIP_FILES ON)

if(EMSCRIPTEN)
    # Mirtavo-1.0-web.zip: the folder a static web host serves.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME Mirtavo-${PROJECT_VERSION}-web)
    set(CPACK_STRIP_FILES OFF)
elseif(WIN32)
    # Mirtavo-1.0-win64.zip and Mirtavo-1.0-win64-setup.exe.
    set(CPACK_GENERATOR ZIP NSIS)
    set(CPACK_PACKAGE_FILE_NAME Mirtavo-${PROJECT_VERSION}-win64)
    set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/MirtavoCPackOptions.cmake)
    set(CPACK_PACKAGE_INSTALL_DIRECTORY Mirtavo)
    set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Mirtavo)
    set(CPACK_PACKAGE_EXECUTABLES Mirtavo Mirtavo)
    set(CPACK_NSIS_PACKAGE_NAME Mirtavo)
    set(CPACK_NSIS_DISPLAY_NAME Mirtavo)
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_INSTALLED_ICON_NAME Mirtavo.exe)
    set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/dist/icons/org.mirtavo.Mirtavo.ico)
    set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/dist/icons/org.mirtavo.Mirtavo.ico)
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    # CPack's installer template is mended in two places, and CPack finds it so mended first.
    # A 64-bit installer for a 64-bit program, and said so first: makensis settles what its
    # folder constants mean at the first string it meets, and the template names
    # $PROGRAMFILES64 long before it states the target. Stated late, the constant reads the
    # program folder of the 32-bit registry view, "Program Files (x86)".
    # A current-user install goes where Windows keeps per-user programs, %LOCALAPPDATA%\Programs,
    # not into the user's documents.
    set(template_source ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
    file(READ ${template_source} template)
    # After the template's first line, which opens with a byte-order mark.
    string(FIND "${template}" "\n" first_line_end)
    math(EXPR rest_start "${first_line_end} + 1")
    string(SUBSTRING "${template}" 0 ${rest_start} first_line)
    string(SUBSTRING "${template}" ${rest_start} -1 rest)
    set(template "${first_line}Target amd64-unicode\n${rest}")
    set(documents [[StrCpy $INSTDIR "$DOCUMENTS\@CPACK_PACKAGE_INSTALL_DIRECTORY@"]])
    string(FIND "${template}" "${documents}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "${template_source} no longer sets the current user's folder as expected")
    endif()
    string(REPLACE "${documents}"
           [[StrCpy $INSTDIR "$LOCALAPPDATA\Programs\@CPACK_PACKAGE_INSTALL_DIRECTORY@"]]
           template "${template}")
    file(WRITE ${PROJECT_BINARY_DIR}/cpack-templates/NSIS.template.in "${template}")
    set(CPACK_MODULE_PATH ${PROJECT_BINARY_DIR}/cpack-templates)
else()
    # Library dependencies are found by dpkg-shlibdeps; the fonts the windows are designed
    # around are named by hand.
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION science)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-urw-base35, fonts-dejavu-core")
endif()

include(CPack)
