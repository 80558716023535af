# Makes an include folder in the build tree that links only the named folders of /usr/include,
# and an imported target that uses it.
function(shrink2d_header_only_target target)
    set(folder ${CMAKE_BINARY_DIR}/header-only/${target})
    foreach(name ${ARGN})
        if(NOT EXISTS /usr/include/${name})
            message(FATAL_ERROR "/usr/include/${name} is missing: install the Debian package")
        endif()
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK /usr/include/${name} ${folder}/${name} SYMBOLIC)
    endforeach()
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${folder})
endfunction()
