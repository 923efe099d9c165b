# The Windows build runs its tests and build-time tools under wine: every target's emulator is
# build-windows/wine-run, which finds the Qt and MinGW runtime DLLs and keeps a wine prefix of
# its own beside the build.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE trx_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE trx_winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(trx_gcc_dlls ${trx_libstdcxx} DIRECTORY)
get_filename_component(trx_thread_dlls ${trx_winpthread} DIRECTORY)
# The DLLs every program of this build needs beside Qt's: the installer carries them too.
set(TRX_MINGW_DLLS ${trx_gcc_dlls}/libstdc++-6.dll ${trx_gcc_dlls}/libgcc_s_seh-1.dll ${trx_winpthread})
set(TRX_QT_PREFIX ${QT6_INSTALL_PREFIX})

set(TRX_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(TRX_WINEPATH "Z:${TRX_QT_PREFIX}/bin;Z:${trx_gcc_dlls};Z:${trx_thread_dlls}")
configure_file(${PROJECT_SOURCE_DIR}/tools/windows/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
