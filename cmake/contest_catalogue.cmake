# The contest catalogue as the documents show it, read from the contest table so that no
# document restates it: ADIF2KVX_CONTEST_COUNT, ADIF2KVX_LAST_CONTEST_CODE and
# ADIF2KVX_CONTEST_LIST_HTML (one list item per contest, in code order). A changed table
# configures the build again.
set(contest_table ${CMAKE_CURRENT_LIST_DIR}/../core/contest_table.cpp)
set(contest_kind ${CMAKE_CURRENT_LIST_DIR}/../core/contest_kind.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${contest_table} ${contest_kind})

# Each catalogue row starts: contest(K::Code, "Name", ...
file(STRINGS ${contest_table} contest_rows REGEX "^ *contest\\(K::[A-Za-z0-9]+, \"[^\"]*\"")
set(ADIF2KVX_CONTEST_LIST_HTML "")
set(ADIF2KVX_CONTEST_COUNT 0)
foreach(row IN LISTS contest_rows)
  string(REGEX REPLACE "^ *contest\\(K::[A-Za-z0-9]+, \"([^\"]*)\".*$" "\\1" name "${row}")
  string(REPLACE "&" "&amp;" name "${name}")
  string(APPEND ADIF2KVX_CONTEST_LIST_HTML "<li>${name}</li>\n")
  math(EXPR ADIF2KVX_CONTEST_COUNT "${ADIF2KVX_CONTEST_COUNT} + 1")
endforeach()
string(REGEX REPLACE "\n$" "" ADIF2KVX_CONTEST_LIST_HTML "${ADIF2KVX_CONTEST_LIST_HTML}")
math(EXPR ADIF2KVX_LAST_CONTEST_CODE "${ADIF2KVX_CONTEST_COUNT} - 1")

# The rows read must be all the table holds; the compiler checks the table against this count.
file(READ ${contest_kind} kinds)
string(REGEX MATCH "kContestCount = ([0-9]+)" count_line "${kinds}")
set(declared_count "${CMAKE_MATCH_1}")
if(NOT declared_count EQUAL ADIF2KVX_CONTEST_COUNT)
  message(FATAL_ERROR "read ${ADIF2KVX_CONTEST_COUNT} contests from ${contest_table}, but kContestCount is "
                      "${declared_count}: write each row as contest(K::Code, \"Name\", ...) on one line")
endif()
