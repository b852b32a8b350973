# What a Windows user gets, in one folder: collatz.exe, the Qt DLLs and plugins it loads and
# nothing else of Qt, the MinGW runtime, the chimes and the licences of all of it. cpack packs the
# folder twice: collatz-<version>-win64-setup.exe, an NSIS installer, and collatz-<version>-win64.zip;
# the msi target a third time, as collatz-<version>-win64.msi, a Windows Installer package.

# Qt's DLLs that the program and its plugins import (Qt Multimedia imports Qt Network), and the
# plugins Qt loads at run time: the Windows platform, its native style, the sound backend. The
# icons are built into the program as PNG, so no image format plugin is needed.
install(IMPORTED_RUNTIME_ARTIFACTS Qt6::Core Qt6::Gui Qt6::Widgets Qt6::Multimedia Qt6::Network RUNTIME DESTINATION .)
foreach(plugin QWindowsIntegrationPlugin:platforms QWindowsVistaStylePlugin:styles QWindowsMediaPlugin:multimedia)
    string(REPLACE ":" ";" plugin ${plugin})
    list(GET plugin 0 target)
    list(GET plugin 1 folder)
    install(IMPORTED_RUNTIME_ARTIFACTS Qt6::${target} LIBRARY DESTINATION ${folder})
endforeach()
install(FILES ${COLLATZ_MINGW_RUNTIME} DESTINATION .)
# Qt's DLLs come with their symbols; a user needs none of them.
find_program(COLLATZ_STRIP x86_64-w64-mingw32-strip REQUIRED)
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        file(GLOB_RECURSE dlls \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
        execute_process(COMMAND ${COLLATZ_STRIP} --strip-unneeded \${dlls} COMMAND_ERROR_IS_FATAL ANY)
    endif()
")

# The licences: the program's; Qt's (LGPL-3.0, and where its source is), with Debian's record of
# every licence in the Qt sources, the third-party code built into the DLLs included; the MinGW
# runtime's (GCC's runtime library exception, winpthreads' MIT licence); Wine's for the tablet
# headers that stand in for Qt's own.
install(FILES LICENSE DESTINATION licenses RENAME collatz.txt)
install(FILES data/windows/qt.txt DESTINATION licenses)
install(FILES /usr/share/doc/libqt6core6/copyright DESTINATION licenses/qt RENAME qt6-base.txt)
install(FILES /usr/share/doc/libqt6multimedia6/copyright DESTINATION licenses/qt RENAME qt6-multimedia.txt)
install(FILES /usr/share/doc/wine/copyright DESTINATION licenses/qt RENAME wine-wintab-headers.txt)
install(FILES /usr/share/doc/gcc-mingw-w64-base/copyright DESTINATION licenses/mingw-w64 RENAME gcc-runtime.txt)
install(FILES /usr/share/doc/mingw-w64-x86-64-dev/copyright DESTINATION licenses/mingw-w64 RENAME winpthreads.txt)
foreach(licence LGPL-3 GPL-3 GPL-2 LGPL-2.1)
    install(FILES /usr/share/common-licenses/${licence} DESTINATION licenses RENAME ${licence}.txt)
endforeach()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME collatz-${PROJECT_VERSION}-win64)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/packaging_windows_names.cmake)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Collatz)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Collatz)
# A 64-bit, Unicode installer: it writes to the 64-bit Program Files and registry, and shows the
# Japanese names as they are.
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS "-INPUTCHARSET UTF8")
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME "コラッツの問題")
set(CPACK_NSIS_DISPLAY_NAME "コラッツの問題")
set(CPACK_PACKAGE_EXECUTABLES collatz "コラッツの問題")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME collatz.exe)
set(CPACK_NSIS_MUI_ICON ${COLLATZ_ICON_ICO})
set(CPACK_NSIS_MUI_UNIICON ${COLLATZ_ICON_ICO})
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# The uninstaller removes the program's registry key but leaves the vendor's key above it; it is
# removed too once empty. (These commands run last in the uninstaller, after the key's removal.)
set(CPACK_NSIS_DELETE_ICONS_EXTRA "DeleteRegKey /ifempty SHCTX \"Software\\${CPACK_PACKAGE_VENDOR}\"")

# The NSIS installer and the Windows Installer package put the program in the same folder: one of
# them at a time, so that neither leaves a second copy nor takes files from under the other's
# uninstaller. The package keeps a value of its own in the registry, which the installer looks for;
# the package looks for the installer's uninstall entry (make_msi.sh).
set(CPACK_NSIS_EXTRA_PREINSTALL_COMMANDS "
  ReadRegDWORD $0 HKLM 'Software\\${CPACK_PACKAGE_VENDOR}\\Collatz (Windows Installer)' 'MenuEntry'
  StrCmp $0 '' +3
    MessageBox MB_OK|MB_ICONSTOP 'コラッツの問題は、Windows インストーラー（.msi）で入れたものがすでにあります。先にそれをアンインストールしてください。' /SD IDOK
    Abort
")

# The Windows Installer package, made from the built program (cmake --build . --target msi).
add_custom_target(msi COMMAND ${PROJECT_SOURCE_DIR}/tools/windows/make_msi.sh ${CMAKE_BINARY_DIR} ${PROJECT_VERSION}
                  ${CMAKE_BINARY_DIR}/collatz-${PROJECT_VERSION}-win64.msi VERBATIM)
