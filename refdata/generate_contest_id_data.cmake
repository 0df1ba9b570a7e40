# Turns refdata/data/contest_ids.csv into the constant table of ADIF contest ids: run at build
# time as
#   cmake -DCSV=<contest_ids.csv> -DOUTPUT=<file.cpp> -P generate_contest_id_data.cmake
#
# It stops the build when the file breaks a rule the lookup relies on: a malformed row, an id
# with an unexpected character or a surrounding blank, ids not strictly ascending in byte order
# (the file's own order), two ids equal apart from letter case, a party on an unmapped row, or a
# wrong row count. The catalogue names and party codes go into the table as the file writes
# them; the unit tests check each against the contest table and the state table.
#
# The generated table holds the mapped rows only, each id upper-cased and the rows re-sorted in
# byte order of that upper-cased id: the lookup upper-cases the text it is given and bisects.
cmake_minimum_required(VERSION 3.16)
cmake_policy(VERSION 3.16)

if(NOT CSV OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DCSV=file.csv -DOUTPUT=file.cpp -P generate_contest_id_data.cmake")
endif()

# Rows in the file, and of them the mapped rows and the rows with a party.
set(expected_rows 266)
set(expected_mapped 131)
set(expected_parties 60)

if(NOT EXISTS "${CSV}")
  message(FATAL_ERROR "${CSV}: missing")
endif()
file(READ "${CSV}" content)
if(content MATCHES "[^\n\r -~]")
  message(FATAL_ERROR "${CSV}: only printable ASCII is allowed")
endif()

# Lines are taken one by one from the text rather than as a CMake list, so a ';' or a bracket
# in the free source column cannot split or join them.
set(all_keys "")
set(keys "")
set(names "")
set(parties "")
set(previous "")
set(line_number 0)
set(row_count 0)
while(NOT content STREQUAL "")
  string(FIND "${content}" "\n" newline)
  if(newline EQUAL -1)
    set(line "${content}")
    set(content "")
  else()
    string(SUBSTRING "${content}" 0 ${newline} line)
    math(EXPR rest "${newline} + 1")
    string(SUBSTRING "${content}" ${rest} -1 content)
  endif()
  math(EXPR line_number "${line_number} + 1")
  string(REGEX REPLACE "\r$" "" line "${line}")
  if(line_number EQUAL 1)
    if(NOT line STREQUAL "contest_id,catalogue,party,source")
      message(FATAL_ERROR "${CSV}:1: header must be 'contest_id,catalogue,party,source'")
    endif()
    continue()
  endif()
  if(line STREQUAL "")
    continue()
  endif()
  if(NOT line MATCHES "^([^,]*),([^,]*),([^,]*),([^,]*)$")
    message(FATAL_ERROR "${CSV}:${line_number}: 4 columns expected in '${line}'")
  endif()
  set(id "${CMAKE_MATCH_1}")
  set(name "${CMAKE_MATCH_2}")
  set(party "${CMAKE_MATCH_3}")
  set(source "${CMAKE_MATCH_4}")
  math(EXPR row_count "${row_count} + 1")

  # Only these characters reach the generated C++ text: no quote, backslash or list separator.
  if(NOT id MATCHES "^[A-Za-z0-9][A-Za-z0-9 ./'()_-]*$" OR id MATCHES " $")
    message(FATAL_ERROR "${CSV}:${line_number}: id '${id}' is empty, has a surrounding blank or an unexpected character")
  endif()
  if(NOT previous STREQUAL "" AND NOT "${previous}" STRLESS "${id}")
    message(FATAL_ERROR "${CSV}:${line_number}: id '${id}' does not sort after '${previous}' (byte order)")
  endif()
  set(previous "${id}")
  if(source STREQUAL "")
    message(FATAL_ERROR "${CSV}:${line_number}: id '${id}' has no source")
  endif()

  string(TOUPPER "${id}" key)
  list(APPEND all_keys "${key}")
  if(name STREQUAL "")
    if(NOT party STREQUAL "")
      message(FATAL_ERROR "${CSV}:${line_number}: unmapped id '${id}' has a party")
    endif()
    continue()
  endif()
  # Only these characters reach the generated C++ text: no quote or backslash.
  if(NOT name MATCHES "^[A-Za-z0-9 ./'()-]*$" OR NOT party MATCHES "^[A-Z0-9]*$")
    message(FATAL_ERROR "${CSV}:${line_number}: catalogue '${name}' or party '${party}' has an unexpected character")
  endif()

  list(APPEND keys "${key}")
  list(APPEND names "${name}")
  # "-" stands for no party: an empty first element would not count as one.
  if(party STREQUAL "")
    list(APPEND parties "-")
  else()
    list(APPEND parties "${party}")
  endif()
endwhile()

# Upper-cased, no two ids may be equal: the lookup could not tell them apart.
list(SORT all_keys COMPARE STRING CASE SENSITIVE ORDER ASCENDING)
set(previous "")
foreach(key IN LISTS all_keys)
  if(key STREQUAL previous)
    message(FATAL_ERROR "${CSV}: id '${key}' is there twice (letter case aside)")
  endif()
  set(previous "${key}")
endforeach()

if(NOT row_count EQUAL expected_rows)
  message(FATAL_ERROR "${CSV}: ${expected_rows} rows expected, ${row_count} found")
endif()
list(LENGTH keys mapped)
if(NOT mapped EQUAL expected_mapped)
  message(FATAL_ERROR "${CSV}: ${expected_mapped} mapped rows expected, ${mapped} found")
endif()
set(party_rows ${parties})
list(FILTER party_rows EXCLUDE REGEX "^-$")
list(LENGTH party_rows party_count)
if(NOT party_count EQUAL expected_parties)
  message(FATAL_ERROR "${CSV}: ${expected_parties} rows with a party expected, ${party_count} found")
endif()
set(sorted_keys ${keys})
list(SORT sorted_keys COMPARE STRING CASE SENSITIVE ORDER ASCENDING)

set(text "// Generated at build time from refdata/data/contest_ids.csv by\n")
string(APPEND text "// refdata/generate_contest_id_data.cmake. Do not edit: change the data file instead.\n")
string(APPEND text "#include \"refdata/contest_id_data.h\"\n\nnamespace {\n\n")
string(APPEND text "// The mapped ids, upper-cased, in byte order.\n")
string(APPEND text "const ContestIdRow kRows[${mapped}] = {\n")
foreach(key IN LISTS sorted_keys)
  list(FIND keys "${key}" index)
  list(GET names ${index} name)
  list(GET parties ${index} party)
  if(party STREQUAL "-")
    set(party "")
  endif()
  string(APPEND text "    {\"${key}\", \"${name}\", \"${party}\"},\n")
endforeach()
string(APPEND text "};\n\n}  // namespace\n\n")
string(APPEND text "const ContestIdTable ContestIds = {kRows, ${mapped}};\n")

include("${CMAKE_CURRENT_LIST_DIR}/write_if_changed.cmake")
write_if_changed("${OUTPUT}" "${text}")
