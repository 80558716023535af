# Builds Qt itself for 64-bit Windows (scripts/qt-windows.sh): the project's toolchain, with the
# C and C++ runtimes linked into each Qt DLL too, so that nothing but Qt's own DLLs and Windows'
# sit beside the program. Qt's build runs no target program, so it gets no emulator.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -static)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -static)
unset(CMAKE_CROSSCOMPILING_EMULATOR)
