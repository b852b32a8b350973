# A Windows build made on Linux: where the DLLs the program needs are found (Qt's, and the MinGW
# runtime's), and how its tests run: under Wine, in a Wine prefix of the build's own.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll} OUTPUT_VARIABLE found
                    OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(found ${found} REALPATH)
    get_filename_component(folder ${found} DIRECTORY)
    list(APPEND COLLATZ_MINGW_RUNTIME ${found})
    list(APPEND runtimeFolders ${folder})
endforeach()
list(REMOVE_DUPLICATES runtimeFolders)
set(COLLATZ_DLL_FOLDERS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} ${runtimeFolders})
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/windows/wine_run.sh ${CMAKE_BINARY_DIR}/wine
    ${COLLATZ_DLL_FOLDERS} --)
