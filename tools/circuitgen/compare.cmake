# Generates a circuit into a scratch file and fails when it differs from the committed one.
execute_process(COMMAND ${GENERATOR} ${DESCRIPTION} ${SCRATCH} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the generator failed on ${DESCRIPTION}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${SCRATCH} ${COMMITTED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what ${DESCRIPTION} generates; run the circuits target")
endif()
