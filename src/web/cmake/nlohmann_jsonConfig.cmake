# nlohmann/json's headers alone, for the cross build (see ../CMakeLists.txt).
include(${CMAKE_CURRENT_LIST_DIR}/headers.cmake)
shrink2d_header_target(nlohmann_json::nlohmann_json nlohmann)
