# A test that a file keeps to its budget:
#   cmake -DFILE=<path> -DBUDGET=<bytes> -P size_test.cmake
file(SIZE ${FILE} size)
if(size GREATER BUDGET)
  message(FATAL_ERROR "${FILE} has ${size} bytes, more than its budget of ${BUDGET}")
endif()
message(STATUS "${FILE}: ${size} bytes of ${BUDGET}")
