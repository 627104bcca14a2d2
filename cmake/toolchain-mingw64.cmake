# Cross build for 64-bit Windows with MinGW-w64 (the posix threads variant, whose
# runtime has std::thread and friends). Programs link statically, so they run
# without any MinGW DLL beside them; tests run under Wine.
#   cmake -B build/windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MORVALENT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MORVALENT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MORVALENT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${MORVALENT_MINGW_TRIPLE}-windres)

# Libraries and packages come from the target's tree only, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${MORVALENT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Test files with many cases exceed the default number of COFF sections.
set(CMAKE_CXX_FLAGS_INIT "-Wa,-mbig-obj")

# ctest starts the test programs through Wine (wine64 is not on the path).
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/bin/wine)
