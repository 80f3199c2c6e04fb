# Runs one scenario: a vorlund-sim command file, played in a fresh copy of the
# prepared game folder.
#
#   cmake -DSIM=vorlund-sim -DGAME=build/game -DDATA=data -DSCRIPT=x.vsim -DWORK=dir
#         -P run_scenario.cmake
#
# The folder is the built game folder without the files play writes, with the
# shipped data files of DATA over it, so that a game played there changes no
# scenario. Lines starting with "#!" are the runner's (the sim skips them as
# comments):
#
#   #! sh COMMAND       run COMMAND with bash (extglob on) in the folder, to
#                       prepare it: "rm -rf !(aorb1.orb|atri1.tri)" keeps only
#                       those files, "printf '\xff' > x.ini" writes bytes,
#                       "truncate -s 17800000 names.txt" makes a file of holes
#   #! run [ARGS]       start vorlund-sim in the folder with these arguments; the
#                       command lines up to the next "#! run" or "#! sh" are its
#                       input, and an "#! sh" line acts after the run before it
#                       has ended
#   #! exit N           the run must end with exit status N (default 0)
#   #! stderr TEXT      the run must print this line on standard error; any
#                       line on standard error that no "#! stderr" names fails
#
# Every run reads the whole file, with the lines of the other runs left blank,
# so that the sim's messages name the line of this file.
cmake_minimum_required(VERSION 3.25)

foreach(var SIM GAME DATA SCRIPT WORK)
  get_filename_component(${var} "${${var}}" ABSOLUTE)
endforeach()

# The fresh folder.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/game")
file(GLOB built LIST_DIRECTORIES false "${GAME}/*")
list(FILTER built EXCLUDE REGEX "/(names\\.txt|characters\\.svd|graveL\\.ist|aapla2\\.pla|adia2\\.equ)$")
file(GLOB shipped LIST_DIRECTORIES false "${DATA}/*.txt")
list(FILTER shipped EXCLUDE REGEX "/CMakeLists\\.txt$")
file(COPY ${built} ${shipped} DESTINATION "${WORK}/game")

# Moves the first line of the variable TEXT into the variable LINE. Lines are
# kept one to a variable: a list would split a line holding ";".
macro(take_line text line)
  string(FIND "${${text}}" "\n" at)
  if(at EQUAL -1)
    set(${line} "${${text}}")
    set(${text} "")
  else()
    string(SUBSTRING "${${text}}" 0 ${at} ${line})
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${${text}}" ${at} -1 ${text})
  endif()
endmacro()

file(READ "${SCRIPT}" rest)
set(line_total 0)
while(NOT rest STREQUAL "")
  math(EXPR line_total "${line_total} + 1")
  take_line(rest line_${line_total})
endwhile()

set(run 0)
set(failed_runs "")

# Adds to `problems` each line of TEXT that is no line of WITHIN.
function(lines_not_in text within what)
  while(NOT text STREQUAL "")
    take_line(text line)
    string(FIND "\n${within}" "\n${line}\n" seen)
    if(seen EQUAL -1)
      string(APPEND problems "  ${what} on standard error: ${line}\n")
    endif()
  endwhile()
  set(problems "${problems}" PARENT_SCOPE)
endfunction()

# Plays run `run` (lines first..last of the file) and checks how it ended.
function(play first last args expected_exit expected_stderr)
  set(input "")
  foreach(k RANGE 1 ${line_total})
    if(k GREATER_EQUAL first AND k LESS_EQUAL last)
      string(APPEND input "${line_${k}}")
    endif()
    string(APPEND input "\n")
  endforeach()
  file(WRITE "${WORK}/run${run}.in" "${input}")
  separate_arguments(arg_list UNIX_COMMAND "${args}")
  execute_process(COMMAND "${SIM}" ${arg_list} WORKING_DIRECTORY "${WORK}/game"
                  INPUT_FILE "${WORK}/run${run}.in" OUTPUT_FILE "${WORK}/run${run}.out"
                  ERROR_FILE "${WORK}/run${run}.err" RESULT_VARIABLE status)
  file(READ "${WORK}/run${run}.err" err)
  set(problems "")
  if(NOT status STREQUAL expected_exit)
    string(APPEND problems "  exit status ${status}, expected ${expected_exit}\n")
  endif()
  lines_not_in("${err}" "${expected_stderr}" unexpected)
  lines_not_in("${expected_stderr}" "${err}" missing)
  if(NOT problems STREQUAL "")
    file(READ "${WORK}/run${run}.out" out)
    string(LENGTH "${out}" size)
    if(size GREATER 3000)
      math(EXPR from "${size} - 3000")
      string(SUBSTRING "${out}" ${from} -1 out)
      set(out "...\n${out}")
    endif()
    message("${SCRIPT}: run ${run} (lines ${first}-${last}, vorlund-sim ${args}):\n"
            "${problems}--- standard error:\n${err}--- end of standard output:\n${out}")
    set(failed_runs "${failed_runs} ${run}" PARENT_SCOPE)
  endif()
endfunction()

set(in_run FALSE)
foreach(k RANGE 1 ${line_total})
  set(line "${line_${k}}")
  # A folder line, or the next run, ends the run before it.
  if(in_run AND line MATCHES "^#! *(run|sh)( |$)")
    math(EXPR last "${k} - 1")
    play(${first} ${last} "${args}" ${expected_exit} "${expected_stderr}")
    set(in_run FALSE)
  endif()
  if(NOT in_run AND line MATCHES "^#! *(exit|stderr)( |$)")
    message(FATAL_ERROR "${SCRIPT}:${k}: '${line}' belongs after a '#! run' line")
  endif()
  if(line MATCHES "^#! *run( (.*))?$")
    math(EXPR run "${run} + 1")
    set(in_run TRUE)
    set(args "${CMAKE_MATCH_2}")
    set(first ${k})
    set(expected_exit 0)
    set(expected_stderr "")
  elseif(line MATCHES "^#! *exit ([0-9]+)$")
    set(expected_exit ${CMAKE_MATCH_1})
  elseif(line MATCHES "^#! *stderr (.*)$")
    string(APPEND expected_stderr "${CMAKE_MATCH_1}\n")
  elseif(line MATCHES "^#! *sh (.+)$")
    execute_process(COMMAND bash -O extglob -c "${CMAKE_MATCH_1}" WORKING_DIRECTORY "${WORK}/game"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${SCRIPT}:${k}: failed: ${line}")
    endif()
  elseif(line MATCHES "^#!")
    message(FATAL_ERROR "${SCRIPT}:${k}: unknown runner line: ${line}")
  endif()
endforeach()
if(run EQUAL 0)
  message(FATAL_ERROR "${SCRIPT}: no '#! run' line")
endif()
if(in_run)
  play(${first} ${line_total} "${args}" ${expected_exit} "${expected_stderr}")
endif()
if(NOT failed_runs STREQUAL "")
  message(FATAL_ERROR "${SCRIPT}: run(s)${failed_runs} failed")
endif()
