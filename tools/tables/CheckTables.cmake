# Writes the default tables afresh and fails when a committed one differs from them, so that
# data/ never drifts from the generator's content.
file(REMOVE_RECURSE ${WORK})
execute_process(COMMAND ${GENERATOR} ${WORK} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the table generator failed")
endif()
file(GLOB_RECURSE written RELATIVE ${WORK} ${WORK}/*.xml)
foreach(file IN LISTS written)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${file} ${SOURCE}/${file}
                    RESULT_VARIABLE differs)
    if(differs)
        message(FATAL_ERROR "data/${file} is not what the generator writes; "
                            "run: cmake --build build --target yorra_write_tables")
    endif()
endforeach()
