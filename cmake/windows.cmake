# Windows builds: the MinGW runtime DLLs that Qt and the program load, and, when
# cross-compiling, Wine to run what the build runs (test discovery, CTest).

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

if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(QYAC_WINE wine REQUIRED)
    # Qt's DLLs and the runtime's, found through PATH as an installed copy
    # finds them beside the program. Z: is the Unix root in every Wine prefix.
    set(dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
    foreach(dll IN LISTS QYAC_MINGW_RUNTIME)
        get_filename_component(dir "${dll}" DIRECTORY)
        list(APPEND dirs "${dir}")
    endforeach()
    list(REMOVE_DUPLICATES dirs)
    list(TRANSFORM dirs PREPEND "Z:")
    list(JOIN dirs ";" QYAC_WINE_PATH)
    set(QYAC_WINE_PREFIX "${CMAKE_BINARY_DIR}/wine")
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine_run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh
                   @ONLY FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                   GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
endif()
