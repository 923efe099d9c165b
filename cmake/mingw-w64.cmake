# Cross-compiling for 64-bit Windows with Debian's MinGW-w64 (posix threads, which Qt 6 needs).
# Libraries built for Windows live in TRX_WINDOWS_PREFIX (tools/windows/deps.sh builds them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_AR ${triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${triple}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT TRX_WINDOWS_PREFIX AND DEFINED ENV{TRX_WINDOWS_PREFIX})
  set(TRX_WINDOWS_PREFIX $ENV{TRX_WINDOWS_PREFIX})
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES TRX_WINDOWS_PREFIX)
set(CMAKE_FIND_ROOT_PATH /usr/${triple} ${TRX_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# pkg-config must never answer with the host's libraries.
set(trx_pc_dirs "")
foreach(prefix IN LISTS TRX_WINDOWS_PREFIX)
  list(APPEND trx_pc_dirs ${prefix}/lib/pkgconfig)
endforeach()
string(REPLACE ";" ":" trx_pc_dirs "${trx_pc_dirs}")
set(ENV{PKG_CONFIG_LIBDIR} "${trx_pc_dirs}")
