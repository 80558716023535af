# CLI11's headers for the cross-build (see cmake/mingw-w64.cmake).
if(NOT TARGET CLI11::CLI11)
    include(${CMAKE_CURRENT_LIST_DIR}/header_folders.cmake)
    shrink2d_header_only_target(CLI11::CLI11 CLI)
endif()
