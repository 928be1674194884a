# Runs a fuzzer for a bounded time on a copy of its seed corpus, so the
# corpus in the source tree stays as committed. Any finding fails the test.
#   -DFUZZER=<executable> -DSEEDS=<corpus folder> -DWORK=<scratch folder> -DSECONDS=<n>
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/corpus")
file(GLOB seeds "${SEEDS}/*")
file(COPY ${seeds} DESTINATION "${WORK}/corpus")
execute_process(
  COMMAND "${FUZZER}" -max_total_time=${SECONDS} -max_len=4096 -timeout=10
          -artifact_prefix=${WORK}/ "${WORK}/corpus"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "fuzzer found a failing input (exit ${result}); see ${WORK}")
endif()
