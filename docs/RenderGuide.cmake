# Renders one guide to PDF with groff (-ms, eqn, tbl), in two runs so that
# the contents at the front carry page numbers:
#   1. a run without contents reports every heading and its page on standard
#      error (lines "KVTOC level|number|title|page", see kelvane.tmac);
#   2. those lines become KV-TOC-LINE calls in a file that the second run
#      reads into the contents page.
# The numbered pages start after the contents, so the contents' own length
# cannot move a heading to another page between the runs.
#
# The worked examples of kelvane-fit are listed in examples/cases.txt; for
# each case a macro kv-run-CASE shows the command and what it prints (from
# examples/CASE.err and examples/CASE.out), so a guide shows exactly what the
# tests run.
#
# Variables: GROFF (the program), SOURCE (the .ms file, relative to WORK_DIR),
# WORK_DIR (folder of the sources), OUTPUT (the PDF), GENERATED_DIR (where
# the contents and the example macros are written), SHOTS_DIR (the pictures of the window,
# one PDF each, placed by KV-SHOT).

cmake_minimum_required(VERSION 3.25)

foreach(var GROFF SOURCE WORK_DIR OUTPUT GENERATED_DIR SHOTS_DIR)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "RenderGuide.cmake: ${var} is not set")
  endif()
endforeach()

get_filename_component(name ${SOURCE} NAME_WE)
set(TOC ${GENERATED_DIR}/${name}-contents.ms)
set(EXAMPLES ${GENERATED_DIR}/${name}-examples.tmac)

# The example macros: the command, then each printed line as text followed by
# a break, so that a line too long for the page wraps with a hanging indent
# (see RUN in kelvane.tmac) instead of running into the margin; it may break
# at blanks and after commas.
function(append_printed_lines file)
  file(STRINGS ${file} printed)
  foreach(text IN LISTS printed)
    string(REPLACE "\\" "\\\\e" text "${text}")
    string(REPLACE "," ",\\:" text "${text}") # a line may break after a comma
    string(APPEND macros ".ti -2m\n\\&${text}\n.br\n")
  endforeach()
  set(macros "${macros}" PARENT_SCOPE)
endfunction()

set(macros ".\\\" Generated from examples/cases.txt; do not edit.\n")
file(STRINGS ${WORK_DIR}/examples/cases.txt cases REGEX "^[a-z]")
foreach(line IN LISTS cases)
  string(REGEX REPLACE "[ \t]+" ";" fields "${line}")
  list(POP_FRONT fields case status)
  # An equation is shown in the single quotes a shell needs around it.
  set(shown "")
  foreach(argument IN LISTS fields)
    if(argument MATCHES "[*()^]")
      set(argument "'${argument}'")
    endif()
    list(APPEND shown "${argument}")
  endforeach()
  list(JOIN shown " " arguments)
  string(APPEND macros ".de kv-run-${case}\n.ti -2m\n\\\\f[CB]$ kelvane-fit ${arguments}\\\\f[]\n.br\n")
  # Standard error first: the program warns before it prints results.
  foreach(stream err out)
    if(EXISTS ${WORK_DIR}/examples/${case}.${stream})
      append_printed_lines(${WORK_DIR}/examples/${case}.${stream})
    endif()
  endforeach()
  string(APPEND macros "..\n")
endforeach()
file(WRITE ${EXAMPLES} "${macros}")

# -U: placing a PDF picture runs pdfinfo to read its size.
set(options -k -U -ms -e -t -Tpdf -dpaper=a4 -P-pa4 -P-e -wall -dkv-examples=${EXAMPLES}
            -dkv-shots=${SHOTS_DIR})

function(report_messages text)
  string(REGEX REPLACE "KVTOC [^\n]*\n?" "" rest "${text}")
  string(STRIP "${rest}" rest)
  if(rest)
    message(FATAL_ERROR "groff reported problems in ${SOURCE}:\n${rest}")
  endif()
endfunction()

# Run 1: layout only (-Z stops before the PDF writer), headings on stderr.
execute_process(
  COMMAND ${GROFF} ${options} -Z -dkv-toc-file= ${SOURCE}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_QUIET
  ERROR_VARIABLE headings
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "groff failed on ${SOURCE} (${status}):\n${headings}")
endif()
report_messages("${headings}")

set(contents ".\\\" Generated from the headings of ${SOURCE}; do not edit.\n")
string(REGEX MATCHALL "KVTOC [^\n]*" lines "${headings}")
foreach(line IN LISTS lines)
  string(REGEX MATCH "^KVTOC ([0-9]+)\\|([^|]*)\\|([^|]*)\\|([0-9]+)$" matched "${line}")
  if(NOT matched)
    message(FATAL_ERROR "Unreadable heading report: ${line}")
  endif()
  string(APPEND contents
         ".KV-TOC-LINE ${CMAKE_MATCH_1} \"${CMAKE_MATCH_2}\" \"${CMAKE_MATCH_3}\" ${CMAKE_MATCH_4}\n")
endforeach()
file(WRITE ${TOC} "${contents}")

# Run 2: the PDF, with the contents.
execute_process(
  COMMAND ${GROFF} ${options} -dkv-toc-file=${TOC} ${SOURCE}
  WORKING_DIRECTORY ${WORK_DIR}
  OUTPUT_FILE ${OUTPUT}.part
  ERROR_VARIABLE messages
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE ${OUTPUT}.part)
  message(FATAL_ERROR "groff failed on ${SOURCE} (${status}):\n${messages}")
endif()
report_messages("${messages}")
file(RENAME ${OUTPUT}.part ${OUTPUT})
