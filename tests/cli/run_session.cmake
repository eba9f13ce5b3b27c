# Runs one golden session; see CMakeLists.txt.
set(args "")
if(EXISTS ${DIR}/${SESSION}.args)
  file(STRINGS ${DIR}/${SESSION}.args args)
endif()
execute_process(COMMAND ${CLI} ${args}
                INPUT_FILE ${DIR}/${SESSION}.in
                OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zolvan-cli exited with ${status}: ${errors}")
endif()
file(READ ${DIR}/${SESSION}.out expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${SESSION}.actual "${actual}")
  execute_process(COMMAND diff -u ${DIR}/${SESSION}.out ${CMAKE_CURRENT_BINARY_DIR}/${SESSION}.actual)
  message(FATAL_ERROR "session ${SESSION} differs from its expected output")
endif()
