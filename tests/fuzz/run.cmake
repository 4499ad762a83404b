# One short fuzz run: the corpus, then new inputs, which go to a scratch
# folder emptied first (never into the repository's corpus).
file(REMOVE_RECURSE ${SCRATCH})
file(MAKE_DIRECTORY ${SCRATCH})
execute_process(COMMAND ${FUZZER} -runs=${RUNS} -seed=1 -max_len=4096 -rss_limit_mb=2048 ${SCRATCH} ${CORPUS}
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${FUZZER} failed (${rc})")
endif()
