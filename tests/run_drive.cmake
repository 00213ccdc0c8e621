# Runs one driver script and compares the transcript with the lines of the script that
# start with "#> " (the expected transcript, in order). The driver must exit 1 exactly when
# an error line is expected.
file(STRINGS ${SCRIPT} script_lines ENCODING UTF-8)
set(expected "")
set(expect_error FALSE)
foreach(line IN LISTS script_lines)
    if(line MATCHES "^#> (.*)$")
        string(APPEND expected "${CMAKE_MATCH_1}\n")
        if(CMAKE_MATCH_1 MATCHES "^error ")
            set(expect_error TRUE)
        endif()
    endif()
endforeach()

execute_process(COMMAND ${DRIVER} ${SCRIPT}
                OUTPUT_VARIABLE actual ERROR_VARIABLE stderr RESULT_VARIABLE exit_code)

if(expect_error)
    set(expected_exit 1)
else()
    set(expected_exit 0)
endif()
if(NOT actual STREQUAL expected OR NOT exit_code STREQUAL expected_exit)
    message(FATAL_ERROR "transcript of ${SCRIPT} differs (exit ${exit_code}, expected ${expected_exit})\n"
                        "--- expected\n${expected}--- actual\n${actual}--- stderr\n${stderr}")
endif()
