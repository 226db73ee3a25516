# Include roots that keep the layers apart.
#
# No target sees the source tree as a whole. Each one gets a folder of its own under
# build/include holding links to just the headers it offers, at their usual paths
# ("platform/CWnd.h"), and its users see that folder only through linking it. A header of
# a target one does not link is then not found, so an include across layers that the
# design does not allow fails to compile.
#
# canzet_headers(<target> <PUBLIC|PRIVATE|INTERFACE> [FILES <header>...] [FOLDER <folder>])
#   Offers the named headers (paths from the top of the source tree), or, without FILES,
#   every header in FOLDER (by default the calling folder) that no target offers by name.
function(canzet_headers target scope)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "FOLDER" "FILES")
    if(NOT arg_FOLDER)
        file(RELATIVE_PATH arg_FOLDER ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    if(arg_FILES)
        set_property(GLOBAL APPEND PROPERTY CANZET_HEADERS_OFFERED_BY_NAME ${arg_FILES})
    else()
        file(GLOB arg_FILES CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
             ${PROJECT_SOURCE_DIR}/${arg_FOLDER}/*.h)
        get_property(named GLOBAL PROPERTY CANZET_HEADERS_OFFERED_BY_NAME)
        if(named)
            list(REMOVE_ITEM arg_FILES ${named})
        endif()
    endif()
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(REMOVE_RECURSE ${root})
    foreach(header IN LISTS arg_FILES)
        get_filename_component(folder ${root}/${header} DIRECTORY)
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()
