# Cross-builds for 64-bit Windows with Debian's mingw-w64 (the posix thread model), one static
# .exe that needs no DLL beside it. Test programs run through Wine, whose prefix lives in the
# build folder so that builds share no state.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SHRINK2D_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SHRINK2D_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SHRINK2D_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${SHRINK2D_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SHRINK2D_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT -static)
# -O2 as in the Linux build: at -O3 GCC 12 warns falsely (-Wrestrict) inside libstdc++'s strings.
# The released .exe carries no symbols.
set(CMAKE_C_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a release build")
set(CMAKE_CXX_FLAGS_RELEASE "-O2 -DNDEBUG" CACHE STRING "Flags of a release build")
set(CMAKE_EXE_LINKER_FLAGS_RELEASE_INIT -s)

# The header-only libraries come from Debian's own packages, whose CMake files would add
# -isystem /usr/include and with it the Linux headers: these stand-ins reach only their folders.
set(CLI11_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64 CACHE PATH "CLI11 for the cross-build")
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/mingw-w64 CACHE PATH "nlohmann/json for the cross-build")

set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_COMMAND} -E env WINEDEBUG=-all WINEPREFIX=${CMAKE_BINARY_DIR}/wine-prefix wine)
