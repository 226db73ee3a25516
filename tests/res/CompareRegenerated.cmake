# Runs the picture generator into a fresh folder and compares each output with the
# committed copy, byte for byte.
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${GENERATOR}" "${OUT}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the generator failed: ${result}")
endif()
foreach(name StaffTreble.bmp StaffBass.bmp Note.bmp NoteSelected.bmp NoteMask.bmp Canzet.ico
             StaffTreble@2x.bmp StaffBass@2x.bmp Note@2x.bmp NoteSelected@2x.bmp NoteMask@2x.bmp
             Sharp.bmp SharpSelected.bmp SharpMask.bmp Flat.bmp FlatSelected.bmp FlatMask.bmp Natural.bmp NaturalSelected.bmp NaturalMask.bmp
             Sharp@2x.bmp SharpSelected@2x.bmp SharpMask@2x.bmp Flat@2x.bmp FlatSelected@2x.bmp FlatMask@2x.bmp Natural@2x.bmp NaturalSelected@2x.bmp NaturalMask@2x.bmp
             NoteRight.bmp NoteRight@2x.bmp Canzet-48.bmp Canzet-64.bmp Canzet-128.bmp Canzet-256.bmp Canzet.svg
             StaffTallTreble.bmp StaffTallBass.bmp StaffTallAlto.bmp StaffTallTenor.bmp
             StaffTallTreble@2x.bmp StaffTallBass@2x.bmp StaffTallAlto@2x.bmp
             StaffTallTenor@2x.bmp)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files "${OUT}/${name}"
                            "${COMMITTED}/${name}" RESULT_VARIABLE different)
    if(NOT different EQUAL 0)
        message(FATAL_ERROR "${name} differs from a fresh run of the generator")
    endif()
endforeach()
message(STATUS "every picture matches")
