# An imported target whose include folder holds one link, to the build machine's header folder
# /usr/include/<folder>, and nothing else of /usr/include.
function(shrink2d_header_target target folder)
    if(TARGET ${target})
        return()
    endif()
    set(dir ${CMAKE_BINARY_DIR}/host-headers/${folder})
    file(MAKE_DIRECTORY ${dir})
    if(NOT EXISTS ${dir}/${folder})
        file(CREATE_LINK /usr/include/${folder} ${dir}/${folder} SYMBOLIC)
    endif()
    add_library(${target} INTERFACE IMPORTED GLOBAL)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${dir})
endfunction()
