# Cross-builds 64-bit Windows programs on Debian with MinGW-w64 (g++-mingw-w64-x86-64-posix).
# The posix thread model gives std::thread and std::mutex, which GoogleTest needs.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUILLBIT_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLBIT_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLBIT_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLBIT_MINGW_TRIPLET}-windres)

# Libraries and headers only from the MinGW sysroot; programs (such as Wine) from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLBIT_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Everything static, so that an .exe imports only DLLs that come with Windows: no libstdc++,
# libgcc or libwinpthread DLLs to ship beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
