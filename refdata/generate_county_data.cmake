# Turns the county data files into constant arrays: run at build time as
#   cmake -DDATA_DIR=<refdata/data> -DOUTPUT=<file.cpp> -P generate_county_data.cmake
# It stops the build when a file breaks a rule the lookups rely on: a missing or malformed
# row, a key that is not upper-case letters, keys not strictly ascending (byte order), a
# name too long for the import record's 22-character county column, or a wrong row count.
# A name over 20 characters (some Canadian regions and districts) is shortened first, by the
# rule of shorten_name, and must then differ from every other name of its table.
cmake_minimum_required(VERSION 3.16)
cmake_policy(VERSION 3.16)

if(NOT DATA_DIR OR NOT OUTPUT)
  message(FATAL_ERROR "usage: cmake -DDATA_DIR=dir -DOUTPUT=file.cpp -P generate_county_data.cmake")
endif()

# Single-state tables: state code, StateNumber (for the comment only) and row count. The
# provinces' parties have StateTable rows after the multi-state parties.
set(single_tables
  AL 1 133   AR 2 75    AZ 3 30    CA 4 136   CO 5 64    CT 6 17    DE 7 3     FL 8 69
  GA 9 159   HI 10 14   IA 11 99   ID 12 44   IL 13 102  IN 14 92   KS 15 105  KY 16 120
  LA 17 64   MD 19 25   ME 20 16   MI 21 83   MN 22 87   MO 23 115  MS 24 82   MT 25 56
  NC 26 100  ND 27 53   NE 28 93   NH 29 10   NJ 30 21   NM 31 33   NV 32 16   NY 33 62
  OH 34 88   OK 35 77   OR 36 36   PA 37 67   RI 38 5    SC 39 46   SD 40 66   TN 41 95
  TX 42 254  UT 43 29   VA 44 95   VT 45 14   WA 46 39   WI 47 72   WV 48 55   WY 49 23
  BC 57 43   ON 58 50   QC 59 17)
# Multi-state tables: file stem, array name and row count.
set(party_tables
  neqp_counties NeqpCounties 134
  seven_qp_counties SevenQpCounties 258
  all_states_counties AllStatesCounties 3077)

set(max_name_length 22)
set(short_name_length 20)

# Sets <out_name> to the name as the tables hold it. A name over 20 characters loses its
# administrative designation ("City of", "County", "Regional Municipality", "United Counties
# (of)"); one still over 20 keeps its first 20 characters, less trailing blanks, hyphens and
# ampersands. So the county column shows every name whole or visibly cut, never warned about.
function(shorten_name name out_name)
  string(LENGTH "${name}" length)
  if(length GREATER short_name_length)
    string(REGEX REPLACE "^(City of|United Counties of) " "" name "${name}")
    string(REGEX REPLACE " (County|Regional Municipality|United Counties)$" "" name "${name}")
    string(LENGTH "${name}" length)
    if(length GREATER short_name_length)
      string(SUBSTRING "${name}" 0 ${short_name_length} name)
      string(REGEX REPLACE "[ &-]+$" "" name "${name}")
    endif()
  endif()
  set(${out_name} "${name}" PARENT_SCOPE)
endfunction()

# Reads one CSV file (header line, then rows of comma-separated fields without quoting) and
# sets <out_rows> to its data lines, checked for the column count, key form, name length and
# strict ascending key order.
function(read_table file header columns out_rows)
  if(NOT EXISTS "${file}")
    message(FATAL_ERROR "${file}: missing")
  endif()
  file(STRINGS "${file}" lines)
  set(rows "")
  set(shortened "")
  set(full_names "")
  set(previous "")
  set(line_number 0)
  foreach(line IN LISTS lines)
    math(EXPR line_number "${line_number} + 1")
    string(REGEX REPLACE "\r$" "" line "${line}")
    if(line_number EQUAL 1)
      if(NOT line STREQUAL header)
        message(FATAL_ERROR "${file}:1: header must be '${header}'")
      endif()
      continue()
    endif()
    if(line STREQUAL "")
      continue()
    endif()
    # Only these characters reach the generated C++ text: no quote, backslash, or list
    # separator of CMake can slip through.
    if(NOT line MATCHES "^[A-Za-z0-9 .'()/,&-]+$")
      message(FATAL_ERROR "${file}:${line_number}: unexpected character in '${line}'")
    endif()
    string(REPLACE "," ";" fields "${line}")
    list(LENGTH fields count)
    if(NOT count EQUAL columns)
      message(FATAL_ERROR "${file}:${line_number}: ${columns} columns expected in '${line}'")
    endif()
    list(GET fields 0 key)
    math(EXPR last "${columns} - 1")
    list(GET fields ${last} full_name)
    shorten_name("${full_name}" name)
    if(NOT name STREQUAL full_name)
      list(REMOVE_AT fields ${last})
      list(APPEND fields "${name}")
      string(REPLACE ";" "," line "${fields}")
      list(APPEND shortened "${name}")
    endif()
    list(APPEND full_names "${full_name}")
    if(NOT key MATCHES "^[A-Z]+$")
      message(FATAL_ERROR "${file}:${line_number}: key '${key}' is not upper-case letters")
    endif()
    if(columns EQUAL 3)
      list(GET fields 1 state)
      if(NOT state MATCHES "^[A-Z][A-Z]$")
        message(FATAL_ERROR "${file}:${line_number}: state '${state}' is not two letters")
      endif()
    endif()
    string(LENGTH "${name}" name_length)
    if(name_length EQUAL 0 OR name_length GREATER max_name_length)
      message(FATAL_ERROR "${file}:${line_number}: name '${name}' must have 1 to ${max_name_length} characters")
    endif()
    if(name MATCHES "^ " OR name MATCHES " $")
      message(FATAL_ERROR "${file}:${line_number}: name '${name}' has a leading or trailing blank")
    endif()
    if(NOT previous STREQUAL "" AND NOT "${previous}" STRLESS "${key}")
      message(FATAL_ERROR "${file}:${line_number}: key '${key}' does not sort after '${previous}'")
    endif()
    set(previous "${key}")
    list(APPEND rows "${line}")
  endforeach()
  # A shortened name names one county only: no other full name of the table is, or becomes, it.
  foreach(short IN LISTS shortened)
    set(owners "")
    foreach(full IN LISTS full_names)
      shorten_name("${full}" other)
      if(other STREQUAL short)
        list(APPEND owners "${full}")
      endif()
    endforeach()
    list(REMOVE_DUPLICATES owners)
    list(LENGTH owners owner_count)
    if(NOT owner_count EQUAL 1)
      message(FATAL_ERROR "${file}: the shortened name '${short}' stands for ${owners}")
    endif()
  endforeach()
  set(${out_rows} "${rows}" PARENT_SCOPE)
endfunction()

function(check_count file rows expected)
  list(LENGTH rows count)
  if(NOT count EQUAL expected)
    message(FATAL_ERROR "${file}: ${expected} rows expected, ${count} found")
  endif()
endfunction()

set(text "// Generated at build time from refdata/data/ by refdata/generate_county_data.cmake.\n")
string(APPEND text "// Do not edit: change the data files instead.\n")
string(APPEND text "#include \"refdata/county_data.h\"\n\nnamespace {\n")
set(objects "")

list(LENGTH single_tables single_length)
math(EXPR single_last "${single_length} - 1")
foreach(i RANGE 0 ${single_last} 3)
  math(EXPR number_index "${i} + 1")
  math(EXPR count_index "${i} + 2")
  list(GET single_tables ${i} state)
  list(GET single_tables ${number_index} number)
  list(GET single_tables ${count_index} expected)
  set(file "${DATA_DIR}/county_tables/${state}.csv")
  read_table("${file}" "key,name" 2 rows)
  check_count("${file}" "${rows}" ${expected})
  string(APPEND text "\n// ${state} (StateNumber ${number})\nconst CountyRow kRows${state}[${expected}] = {\n")
  foreach(row IN LISTS rows)
    string(REPLACE "," ";" fields "${row}")
    list(GET fields 0 key)
    list(GET fields 1 name)
    string(APPEND text "    {\"${key}\", \"${name}\"},\n")
  endforeach()
  string(APPEND text "};\n")
  string(APPEND objects "const CountyTable CountyTable${state} = {kRows${state}, ${expected}};\n")
endforeach()

list(LENGTH party_tables party_length)
math(EXPR party_last "${party_length} - 1")
foreach(i RANGE 0 ${party_last} 3)
  math(EXPR name_index "${i} + 1")
  math(EXPR count_index "${i} + 2")
  list(GET party_tables ${i} stem)
  list(GET party_tables ${name_index} array)
  list(GET party_tables ${count_index} expected)
  set(file "${DATA_DIR}/${stem}.csv")
  read_table("${file}" "key,state,name" 3 rows)
  check_count("${file}" "${rows}" ${expected})
  string(APPEND text "\nconst PartyCountyRow kRows${array}[${expected}] = {\n")
  foreach(row IN LISTS rows)
    string(REPLACE "," ";" fields "${row}")
    list(GET fields 0 key)
    list(GET fields 1 state)
    list(GET fields 2 name)
    string(APPEND text "    {\"${key}\", \"${state}\", \"${name}\"},\n")
  endforeach()
  string(APPEND text "};\n")
  string(APPEND objects "const PartyCountyTable ${array} = {kRows${array}, ${expected}};\n")
endforeach()

string(APPEND text "\n}  // namespace\n\n${objects}")

include("${CMAKE_CURRENT_LIST_DIR}/write_if_changed.cmake")
write_if_changed("${OUTPUT}" "${text}")
