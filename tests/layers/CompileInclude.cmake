# Compiles PROBE, a file that includes HEADER, with the include folders DIRS ('|' between
# them). EXPECT=REACHES wants it to compile; EXPECT=MISSES wants the header not found,
# and for no other reason, so that a broken probe cannot pass.
string(REPLACE "|" ";" dirs "${DIRS}")
list(TRANSFORM dirs PREPEND -I)
file(WRITE ${PROBE} "#include \"${HEADER}\"\n")
execute_process(COMMAND ${COMPILER} -std=c++20 -fsyntax-only ${dirs} ${PROBE}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(EXPECT STREQUAL "REACHES")
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${HEADER} should compile here:\n${errors}")
    endif()
elseif(result EQUAL 0)
    message(FATAL_ERROR "${HEADER} compiles here, but this layer must not reach it")
else()
    string(REGEX MATCHALL "[^\n]*error[^\n]*" error_lines "${errors}")
    list(LENGTH error_lines count)
    if(NOT count EQUAL 1 OR NOT error_lines MATCHES "${HEADER}.*(No such file|not found)")
        message(FATAL_ERROR "${HEADER} should be not found, and nothing else:\n${errors}")
    endif()
endif()
