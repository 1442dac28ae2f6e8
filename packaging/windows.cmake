# Windows: the program and every DLL it loads in one folder, packed by
# `cpack -G NSIS` (from the build directory) into a 64-bit installer in the
# user's language with a Start-menu entry, the licences and an uninstaller.

install(TARGETS QYFreeAmoretChart RUNTIME DESTINATION bin)

# qtbase 6.4 has no windeployqt for MinGW builds, so the deployment is named
# here: the Qt modules the program links, the
# plugins it loads (the Windows platform, the native style, JPEG for the sign
# pictures) in the folders Qt looks for beside the program, and the
# compiler's runtime.
install(FILES
    $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
    $<TARGET_FILE:Qt6::PrintSupport> ${QYAC_MINGW_RUNTIME}
    DESTINATION bin)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION bin/platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION bin/styles)
install(FILES $<TARGET_FILE:Qt6::QJpegPlugin> DESTINATION bin/imageformats)
# Qt's own translations, where Qt looks for them beside the executable.
install(FILES ${QYAC_QT_TRANSLATIONS} DESTINATION bin/translations)

# The program's licence, the artwork's, and those of the libraries shipped
# with it (Qt under the LGPL v3, which builds on the GPL v3 text).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/ui/resources/LICENSES.md DESTINATION .
        RENAME artwork-licences.md)
install(FILES windows-third-party.txt DESTINATION . RENAME third-party-licences.txt)
install(FILES /usr/share/common-licenses/LGPL-3 DESTINATION . RENAME LGPL-3.txt)
install(FILES /usr/share/common-licenses/GPL-3 DESTINATION . RENAME GPL-3.txt)

# The program's title in each language of the installer, from the program's
# own translations, for the Start-menu entry and "Apps & features".
set(CPACK_QYAC_TITLE "QY Amoret Chart")
foreach(language zh_CN zh_TW ko vi ja th id)
    file(READ ${PROJECT_SOURCE_DIR}/translations/qyamoretchart_${language}.ts ts)
    string(REGEX MATCH "<source>${CPACK_QYAC_TITLE}</source>[ \t\r\n]*<translation>([^<]+)</translation>"
           found "${ts}")
    if(NOT found)
        message(FATAL_ERROR "translations/qyamoretchart_${language}.ts does not translate the title")
    endif()
    string(TOUPPER ${language} upper)
    set(CPACK_QYAC_TITLE_${upper} "${CMAKE_MATCH_1}")
endforeach()
set(CPACK_QYAC_PROGRAM QYFreeAmoretChart)

set(CPACK_GENERATOR "NSIS")
# The installer's script: packaging/nsis/NSIS.template.in instead of CPack's.
list(PREPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_LIST_DIR}/nsis)
set(CPACK_PACKAGE_NAME "${QYAC_PACKAGE_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "QY Amoret Chart developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Peach Blossom romance reading for a birth date")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "QY Amoret Chart")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "QY Amoret Chart")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

# A 64-bit program: a 64-bit installer, into the 64-bit Program Files.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY bin)
set(CPACK_NSIS_MUI_ICON "${QYAC_ICON_DIR}/qyamoretchart.ico")
set(CPACK_NSIS_MUI_UNIICON "${QYAC_ICON_DIR}/qyamoretchart.ico")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_URL_INFO_ABOUT "http://${QYAC_MAIN_HOST}")
set(CPACK_NSIS_HELP_LINK "http://${QYAC_PRODUCT_HOST}/qy-free-amoret-chart-help.html")
set(CPACK_NSIS_CONTACT "maintainers@qyamoretchart.example")

include(CPack)
