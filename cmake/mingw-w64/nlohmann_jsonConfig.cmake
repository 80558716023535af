# nlohmann/json's headers for the cross-build (see cmake/mingw-w64.cmake).
if(NOT TARGET nlohmann_json::nlohmann_json)
    include(${CMAKE_CURRENT_LIST_DIR}/header_folders.cmake)
    shrink2d_header_only_target(nlohmann_json::nlohmann_json nlohmann)
endif()
