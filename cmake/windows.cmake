# Windows builds: the MinGW runtime DLLs that Qt and the program load, Qt's
# own translations, and, when cross-compiling, Wine to run what the build
# runs (test discovery, CTest).

enable_language(RC) # the program's icon and version resource

# The compiler knows where its own runtime lives.
set(QYAC_MINGW_RUNTIME "")
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(path "${path}" REALPATH)
    list(APPEND QYAC_MINGW_RUNTIME "${path}")
endforeach()

# Qt's own texts in Chinese, Korean and Japanese (the standard buttons, Qt's
# dialogs; Qt has no Vietnamese, Thai or Indonesian, whose buttons the
# program's translation carries): the .qm files of Qt 6.4.2 are the same on
# every platform, so the host's qt6-translations-l10n serves. Windows Qt finds
# them through QLibraryInfo, which for a program that carries Qt's DLLs beside
# it (the installed one) means a folder "translations" beside the executable.
set(QYAC_QT_TRANSLATIONS_DIR /usr/share/qt6/translations CACHE PATH
    "Where Qt's translations (qtbase_*.qm) of this Qt version are")
set(QYAC_QT_TRANSLATIONS "")
foreach(language zh_CN zh_TW ko ja)
    set(qm "${QYAC_QT_TRANSLATIONS_DIR}/qtbase_${language}.qm")
    if(NOT EXISTS "${qm}")
        message(FATAL_ERROR "${qm} is missing (Debian: qt6-translations-l10n)")
    endif()
    list(APPEND QYAC_QT_TRANSLATIONS "${qm}")
endforeach()
# The build tree's executables load Qt from Qt's own folder, whose prefix
# holds no translations: a qt.conf beside them keeps that prefix for the
# rest and points Qt at a copy of the translations here.
if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
    set(executables_dir "${CMAKE_RUNTIME_OUTPUT_DIRECTORY}")
else()
    set(executables_dir "${CMAKE_BINARY_DIR}")
endif()
file(COPY ${QYAC_QT_TRANSLATIONS} DESTINATION "${CMAKE_BINARY_DIR}/translations")
set(drive "")
if(CMAKE_CROSSCOMPILING)
    set(drive "Z:") # the Unix root in every Wine prefix
endif()
file(WRITE "${executables_dir}/qt.conf"
    "[Paths]\nPrefix=${drive}${QT6_INSTALL_PREFIX}\n"
    "Translations=${drive}${CMAKE_BINARY_DIR}/translations\n")

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(QYAC_WINE wine REQUIRED)
    # Qt's DLLs and the runtime's, found through PATH as an installed copy
    # finds them beside the program. Z: is the Unix root in every Wine prefix.
    set(dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
    foreach(dll IN LISTS QYAC_MINGW_RUNTIME)
        get_filename_component(dir "${dll}" DIRECTORY)
        list(APPEND dirs "${dir}")
    endforeach()
    # Then the Windows stand-ins of the host's poppler tools, for the tests
    # that read a printed page back (tests/support/host_tool.cpp).
    set(QYAC_WINE_TOOLS_DIR "${CMAKE_BINARY_DIR}/host-tools")
    list(APPEND dirs "${QYAC_WINE_TOOLS_DIR}")
    list(REMOVE_DUPLICATES dirs)
    list(TRANSFORM dirs PREPEND "Z:")
    list(JOIN dirs ";" QYAC_WINE_PATH)
    set(QYAC_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine")
    # Qt's offscreen platform on Windows reads its fonts from one folder:
    # the design font's stand-in, the CJK fonts and the Thai one, as Linux
    # has them.
    set(QYAC_WINE_FONT_DIR "${CMAKE_BINARY_DIR}/fonts")
    file(MAKE_DIRECTORY "${QYAC_WINE_FONT_DIR}")
    foreach(face /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
                 /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
                 /usr/share/fonts/truetype/wqy/wqy-microhei.ttc
                 /usr/share/fonts/truetype/lexi/LexiGulim.ttf
                 /usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf
                 /usr/share/fonts/truetype/tlwg/Loma.ttf
                 /usr/share/fonts/truetype/tlwg/Loma-Bold.ttf)
        if(NOT EXISTS "${face}")
            message(STATUS "Windows: ${face} is not installed; offscreen Qt under Wine goes without it")
            continue()
        endif()
        get_filename_component(name "${face}" NAME)
        file(CREATE_LINK "${face}" "${QYAC_WINE_FONT_DIR}/${name}" SYMBOLIC)
    endforeach()
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine_run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()
