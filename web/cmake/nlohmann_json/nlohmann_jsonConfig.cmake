# The host's JSON library (header only) for the browser build: its own folder
# alone, never the host's other system headers, which are not the browser's.
if(NOT TARGET nlohmann_json::nlohmann_json)
    set(_volvenza_json ${CMAKE_BINARY_DIR}/host-json)
    file(MAKE_DIRECTORY ${_volvenza_json})
    file(CREATE_LINK /usr/include/nlohmann ${_volvenza_json}/nlohmann SYMBOLIC)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${_volvenza_json})
endif()
