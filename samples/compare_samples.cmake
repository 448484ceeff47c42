# Regenerates the sample library and fails when the committed file differs.
execute_process(COMMAND ${GENERATOR} ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the sample generator failed: ${result}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "samples/tests.tst is not what samples/make_samples.cpp writes; "
                      "regenerate it with: keyrill_make_samples samples/tests.tst")
endif()
