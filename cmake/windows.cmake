# The Windows build: Qt's own toolchain file for its Windows build (cross-built by
# tools/windows/deps.sh), which chains to the MinGW-w64 one and reuses the host's moc, rcc, uic.
if(NOT TRX_WINDOWS_PREFIX AND DEFINED ENV{TRX_WINDOWS_PREFIX})
  set(TRX_WINDOWS_PREFIX $ENV{TRX_WINDOWS_PREFIX})
endif()
foreach(prefix IN LISTS TRX_WINDOWS_PREFIX)
  if(EXISTS ${prefix}/lib/cmake/Qt6/qt.toolchain.cmake)
    set(trx_qt_prefix ${prefix})
  endif()
endforeach()
if(NOT trx_qt_prefix)
  message(FATAL_ERROR "No Qt for Windows in TRX_WINDOWS_PREFIX (\"${TRX_WINDOWS_PREFIX}\"): "
                      "./test --windows builds it and sets it")
endif()
set(QT_CHAINLOAD_TOOLCHAIN_FILE ${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
include(${trx_qt_prefix}/lib/cmake/Qt6/qt.toolchain.cmake)
