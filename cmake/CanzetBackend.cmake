# canzet_backend(TARGET PACKAGE module SOURCES ... [LINKS ...]): a desktop backend, a
# static library of SOURCES over one pkg-config module (linked as PkgConfig::<MODULE>, in
# capitals) and the threads library, both public with LINKS, its headers under the layers'
# rules.
function(canzet_backend target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "PACKAGE" "SOURCES;LINKS")
    find_package(PkgConfig REQUIRED)
    find_package(Threads REQUIRED)
    string(TOUPPER ${arg_PACKAGE} prefix)
    pkg_check_modules(${prefix} REQUIRED IMPORTED_TARGET ${arg_PACKAGE})
    add_library(${target} STATIC ${arg_SOURCES})
    canzet_headers(${target} PUBLIC)
    target_link_libraries(${target} PUBLIC ${arg_LINKS} PkgConfig::${prefix} Threads::Threads)
endfunction()
