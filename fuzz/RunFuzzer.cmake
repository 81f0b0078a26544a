# Runs one fuzz target for RUNS inputs with a fixed seed, starting from the seed files in
# SEEDS. New inputs go to a fresh WORK folder, never into the sources; a crashing input is
# kept there as crash-*, and the run fails.
#   cmake -DFUZZER=<exe> -DSEEDS=<dir> -DWORK=<dir> -DRUNS=<n> [-DOPTIONS=<a;b>] -P RunFuzzer.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
execute_process(
    COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -print_final_stats=1 -artifact_prefix=${WORK}/ ${OPTIONS}
            ${WORK}/corpus ${SEEDS}
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    file(GLOB artifacts ${WORK}/crash-* ${WORK}/leak-* ${WORK}/timeout-* ${WORK}/oom-*)
    message(FATAL_ERROR "${FUZZER} failed (${result}); inputs kept: ${artifacts}")
endif()
