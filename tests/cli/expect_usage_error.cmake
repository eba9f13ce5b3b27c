# A bad option: exit status 2, nothing on standard output, one line on standard error.
execute_process(COMMAND ${CLI} ${ARGS} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(REGEX MATCHALL "\n" lines "${err}")
list(LENGTH lines count)
if(NOT status EQUAL 2 OR NOT out STREQUAL "" OR NOT count EQUAL 1)
  message(FATAL_ERROR "expected exit 2 and one line on stderr, got ${status}: '${out}' '${err}'")
endif()
