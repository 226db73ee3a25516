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
#
# Which target offers a header: the call that names it, or else the call for its folder;
# after configuring, `ls build/include/*/app/Language.h` shows the one.
function(canzet_headers target scope)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "FOLDER" "FILES")
    if(NOT arg_FOLDER)
        file(RELATIVE_PATH arg_FOLDER ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    endif()
    set_property(GLOBAL APPEND PROPERTY CANZET_HEADERS_TARGETS ${target})
    set_property(GLOBAL PROPERTY CANZET_HEADERS_FOLDER_${target} ${arg_FOLDER})
    set_property(GLOBAL PROPERTY CANZET_HEADERS_FILES_${target} ${arg_FILES})
    set_property(GLOBAL APPEND PROPERTY CANZET_HEADERS_NAMED ${arg_FILES})
    target_include_directories(${target} ${scope} ${PROJECT_BINARY_DIR}/include/${target})
endfunction()

# The links are made once every folder has named its headers, so that what a folder's
# target offers does not depend on the order of the calls.
function(canzet_link_headers)
    get_property(named GLOBAL PROPERTY CANZET_HEADERS_NAMED)
    get_property(targets GLOBAL PROPERTY CANZET_HEADERS_TARGETS)
    foreach(target IN LISTS targets)
        get_property(headers GLOBAL PROPERTY CANZET_HEADERS_FILES_${target})
        if(NOT headers)
            get_property(folder GLOBAL PROPERTY CANZET_HEADERS_FOLDER_${target})
            file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}
                 ${PROJECT_SOURCE_DIR}/${folder}/*.h)
            if(named)
                list(REMOVE_ITEM headers ${named})
            endif()
        endif()
        set(root ${PROJECT_BINARY_DIR}/include/${target})
        file(REMOVE_RECURSE ${root})
        foreach(header IN LISTS headers)
            get_filename_component(folder ${root}/${header} DIRECTORY)
            file(MAKE_DIRECTORY ${folder})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${header} ${root}/${header} SYMBOLIC)
        endforeach()
    endforeach()
endfunction()
cmake_language(DEFER CALL canzet_link_headers)
