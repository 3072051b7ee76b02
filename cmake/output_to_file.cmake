# Runs COMMAND (a list) with its standard output into OUTPUT; fails when the
# command fails. For build steps whose tools write only to standard output:
#   cmake -DCOMMAND="gzip;-9n;-c;zeb.1" -DOUTPUT=zeb.1.gz -P output_to_file.cmake
execute_process(COMMAND ${COMMAND} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT})
  message(FATAL_ERROR "${COMMAND}: ${status}")
endif()
