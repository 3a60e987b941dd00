# Checks one rendered guide: a complete PDF file with pages, and a bookmark
# for every chapter named in CHAPTERS (the heading macro plants one per
# heading, titled "number  heading").
#
# Variables: PDF (the file), CHAPTERS (a list of chapter headings), PICTURES (how many
# pictures of the window the guide places; each is embedded as a form of its own).

cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS ${PDF})
  message(FATAL_ERROR "${PDF} was not built (target guides)")
endif()
file(READ ${PDF} head LIMIT 5 HEX)
if(NOT head STREQUAL "255044462d") # "%PDF-"
  message(FATAL_ERROR "${PDF} does not start like a PDF file")
endif()

# The readable lines of the file: the PDF objects, not the embedded fonts.
file(STRINGS ${PDF} lines REGEX "^(/Type /Page|/Title |%%EOF)")
if(NOT "%%EOF" IN_LIST lines)
  message(FATAL_ERROR "${PDF} is cut short: no end-of-file marker")
endif()
list(FILTER lines EXCLUDE REGEX "^/Type /Pages")
set(pages ${lines})
list(FILTER pages INCLUDE REGEX "^/Type /Page")
list(LENGTH pages page_count)
# A title page, the contents and at least one page per chapter.
list(LENGTH CHAPTERS chapter_count)
math(EXPR least "${chapter_count} + 2")
if(page_count LESS least)
  message(FATAL_ERROR "${PDF} has ${page_count} pages; ${least} at least were expected")
endif()

foreach(chapter IN LISTS CHAPTERS)
  set(found FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^/Title \\([0-9]+ +(.*)\\)$" AND CMAKE_MATCH_1 STREQUAL chapter)
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    message(FATAL_ERROR "${PDF} has no chapter \"${chapter}\"")
  endif()
endforeach()
file(STRINGS ${PDF} forms REGEX "/Subtype /Form")
list(LENGTH forms picture_count)
if(NOT picture_count EQUAL PICTURES)
  message(FATAL_ERROR "${PDF} embeds ${picture_count} pictures; ${PICTURES} were expected")
endif()
message(STATUS "${PDF}: ${page_count} pages, ${chapter_count} chapters, ${picture_count} pictures")
