# The English translation is complete: every text of src/ read again by
# lupdate into a copy of translations/zentrima13_en.ts, and no text of the copy
# left without its translation, and none in the kept file that the program no
# longer has.  Its %1, %2... are those of the Italian text.
#   cmake -DLUPDATE=... -DSOURCE_DIR=... -DWORK_DIR=... -P check.cmake
set(kept ${SOURCE_DIR}/translations/zentrima13_en.ts)
set(copy ${WORK_DIR}/zentrima13_en.ts)
file(MAKE_DIRECTORY ${WORK_DIR})
file(COPY_FILE ${kept} ${copy})
execute_process(
  COMMAND ${LUPDATE} -silent -locations none -no-obsolete -target-language en
          ${SOURCE_DIR}/src -ts ${copy}
  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${out}")
endif()

file(READ ${copy} text)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" missing "${text}")
if(missing)
  list(LENGTH missing count)
  message(FATAL_ERROR "${count} texts without their English translation "
                      "(build the target update_translations, then translate them):\n${missing}")
endif()
file(READ ${kept} keptText)
string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"(vanished|obsolete)\"" gone "${keptText}")
if(gone)
  message(FATAL_ERROR "texts the program no longer has are still in ${kept}:\n${gone}")
endif()

# A list item of CMake ends at ";" and pairs "[" with "]": neither is needed here.
string(REPLACE ";" ":" text "${text}")
string(REPLACE "[" "(" text "${text}")
string(REPLACE "]" ")" text "${text}")
string(REGEX MATCHALL "<message>[ \n]*<source>[^<]*</source>[ \n]*<translation>[^<]*</translation>" messages "${text}")
foreach(message IN LISTS messages)
  string(REGEX REPLACE "^.*<source>([^<]*)</source>.*$" "\\1" source "${message}")
  string(REGEX REPLACE "^.*<translation>([^<]*)</translation>.*$" "\\1" translation "${message}")
  string(REGEX MATCHALL "%[1-9]" a "${source}")
  string(REGEX MATCHALL "%[1-9]" b "${translation}")
  list(REMOVE_DUPLICATES a)
  list(REMOVE_DUPLICATES b)
  list(SORT a)
  list(SORT b)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "the translation does not keep the numbered places of:\n${source}\n${translation}")
  endif()
endforeach()
list(LENGTH messages count)
message(STATUS "${count} texts translated")
