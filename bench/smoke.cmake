# Runs the benchmark program briefly and checks that it finished and printed
# both ratios. The times themselves never decide the outcome.
#   cmake -DBENCH=<program> -P smoke.cmake
execute_process(
    COMMAND "${BENCH}" --benchmark_min_time=0.01
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE errors)
message("${output}")
if(NOT result EQUAL 0)
    message(FATAL_ERROR "velmarotte-bench failed (${result}):\n${errors}")
endif()
foreach(line "ratio load" "ratio save")
    string(FIND "${output}" "${line} " at)
    if(at EQUAL -1)
        message(FATAL_ERROR "velmarotte-bench printed no \"${line}\" line")
    endif()
endforeach()
