# Cross-compiling keyrill.exe for 64-bit Windows with Debian's MinGW-w64 (g++ and
# windres from g++-mingw-w64-x86-64). Everything links statically, so the program
# needs no DLL beyond those Windows itself ships.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KEYRILL_MINGW_PREFIX x86_64-w64-mingw32)
# The POSIX thread model: its C++ library has std::mutex and std::condition_variable,
# which GoogleTest needs; winpthread links statically like the rest.
set(CMAKE_C_COMPILER ${KEYRILL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KEYRILL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KEYRILL_MINGW_PREFIX}-windres)

# Look for programs on the build machine, for libraries and headers only in the
# cross environment.
set(CMAKE_FIND_ROOT_PATH /usr/${KEYRILL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No libgcc, libstdc++ or winpthread DLL next to the program.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
