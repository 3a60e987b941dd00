# Runs one worked example of the guides through kelvane-fit and compares
# what it prints with the files the guide shows: CASE.out (standard output)
# and CASE.err (standard error); a missing file stands for nothing printed.
#
# Variables: PROGRAM (kelvane-fit), EXAMPLES (the examples folder, also the
# working folder, so tables are named as the guide names them), CASE, STATUS
# (the expected exit status), ARGUMENTS (a list).

cmake_minimum_required(VERSION 3.25)

execute_process(
  COMMAND ${PROGRAM} ${ARGUMENTS}
  WORKING_DIRECTORY ${EXAMPLES}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

set(problems "")
if(NOT status STREQUAL STATUS)
  string(APPEND problems "exit status ${status}, expected ${STATUS}\n")
endif()
foreach(stream out err)
  set(expected "")
  if(EXISTS ${EXAMPLES}/${CASE}.${stream})
    file(READ ${EXAMPLES}/${CASE}.${stream} expected)
  endif()
  if(NOT ${stream} STREQUAL expected)
    string(APPEND problems
           "${CASE}.${stream} differs; the program printed:\n${${stream}}"
           "and the guide shows:\n${expected}\n")
  endif()
endforeach()
if(problems)
  list(JOIN ARGUMENTS " " command)
  message(FATAL_ERROR "kelvane-fit ${command}\n${problems}")
endif()
