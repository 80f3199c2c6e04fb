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
#   #! only FILE...     keep only these files in the folder
#   #! remove FILE...   delete these files from the folder
#   #! mkdir NAME       make a folder of that name (say, where a file must go)
#   #! chmod MODE FILE  set a file's permission bits (octal, e.g. 444)
#   #! printf FILE FORMAT  write the bytes printf(1) makes of FORMAT (\xHH, \r,
#                       \0 ...; no ";") to FILE, in place of what was there
#   #! size FILE BYTES  make FILE a file of that size, holes where it grows
#   #! fifo FILE        put a named pipe in FILE's place
#   #! link FILE TARGET put a symbolic link to TARGET in FILE's place
#   #! run [ARGS]       start vorlund-sim in the folder with these arguments; the
#                       command lines up to the next "#! run" or folder line
#                       (only, remove, mkdir, chmod, printf, size, fifo, link)
#                       are its input, and the folder lines act after the run
#                       before them has ended
#   #! exit N           the run must end with exit status N (default 0)
#   #! stderr TEXT      the run must print this line on standard error; any
#                       line on standard error that no "#! stderr" names fails
#
# Every run reads the whole file, with the lines of the other runs left blank,
# so that the sim's messages name the line of this file.
cmake_minimum_required(VERSION 3.25)

foreach(var SIM GAME DATA SCRIPT WORK)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "run_scenario.cmake needs -D${var}=...")
  endif()
endforeach()
foreach(var SIM GAME DATA SCRIPT WORK)
  get_filename_component(${var} "${${var}}" ABSOLUTE)
endforeach()
foreach(file aorb1.orb atri1.tri)
  if(NOT EXISTS "${GAME}/${file}")
    message(FATAL_ERROR "${GAME} has no ${file}: build the game folder first")
  endif()
endforeach()

# The fresh folder.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/game")
file(GLOB built LIST_DIRECTORIES false "${GAME}/*")
foreach(f IN LISTS built)
  get_filename_component(name "${f}" NAME)
  if(NOT name MATCHES "^(names\\.txt|characters\\.svd|graveL\\.ist|aapla2\\.pla|adia2\\.equ)$")
    file(COPY "${f}" DESTINATION "${WORK}/game")
  endif()
endforeach()
file(GLOB shipped LIST_DIRECTORIES false "${DATA}/*.txt")
list(FILTER shipped EXCLUDE REGEX "/CMakeLists\\.txt$")
file(COPY ${shipped} DESTINATION "${WORK}/game")

file(READ "${SCRIPT}" script)

# Splits the file into its lines once; list(APPEND) of a line holding ";"
# would split it, so the lines are kept as numbered variables instead.
set(rest "${script}")
set(n 0)
while(NOT rest STREQUAL "")
  math(EXPR n "${n} + 1")
  string(FIND "${rest}" "\n" at)
  if(at EQUAL -1)
    set(line_${n} "${rest}")
    set(rest "")
  else()
    string(SUBSTRING "${rest}" 0 ${at} line_${n})
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${rest}" ${at} -1 rest)
  endif()
endwhile()
set(line_total ${n})

set(run 0)
set(failed_runs "")

# Plays run `run` (lines first..last of the file) and checks how it ended.
function(play first last args expected_exit expected_stderr)
  set(input "")
  foreach(k RANGE 1 ${line_total})
    if(k GREATER_EQUAL first AND k LESS_EQUAL last)
      string(APPEND input "${line_${k}}\n")
    else()
      string(APPEND input "\n")
    endif()
  endforeach()
  file(WRITE "${WORK}/run${run}.in" "${input}")
  separate_arguments(arg_list UNIX_COMMAND "${args}")
  execute_process(COMMAND "${SIM}" ${arg_list}
                  WORKING_DIRECTORY "${WORK}/game"
                  INPUT_FILE "${WORK}/run${run}.in"
                  OUTPUT_FILE "${WORK}/run${run}.out"
                  ERROR_FILE "${WORK}/run${run}.err"
                  RESULT_VARIABLE status)
  file(READ "${WORK}/run${run}.err" err)
  set(problems "")
  if(NOT status STREQUAL expected_exit)
    string(APPEND problems "  exit status ${status}, expected ${expected_exit}\n")
  endif()
  # Standard error, line by line, against the lines the script names.
  set(left "${err}")
  while(NOT left STREQUAL "")
    string(FIND "${left}" "\n" at)
    if(at EQUAL -1)
      set(got "${left}")
      set(left "")
    else()
      string(SUBSTRING "${left}" 0 ${at} got)
      math(EXPR at "${at} + 1")
      string(SUBSTRING "${left}" ${at} -1 left)
    endif()
    string(FIND "\n${expected_stderr}" "\n${got}\n" known)
    if(known EQUAL -1)
      string(APPEND problems "  unexpected on standard error: ${got}\n")
    endif()
  endwhile()
  set(wanted "${expected_stderr}")
  while(NOT wanted STREQUAL "")
    string(FIND "${wanted}" "\n" at)
    string(SUBSTRING "${wanted}" 0 ${at} line)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${wanted}" ${at} -1 wanted)
    string(FIND "\n${err}" "\n${line}\n" seen)
    if(seen EQUAL -1)
      string(APPEND problems "  missing on standard error: ${line}\n")
    endif()
  endwhile()
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
  if(in_run AND line MATCHES "^#! *(run|only|remove|mkdir|chmod|printf|size|fifo|link)( |$)")
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
  elseif(line MATCHES "^#! *remove (.+)$")
    separate_arguments(names UNIX_COMMAND "${CMAKE_MATCH_1}")
    foreach(name IN LISTS names)
      file(REMOVE "${WORK}/game/${name}")
    endforeach()
  elseif(line MATCHES "^#! *only (.+)$")
    separate_arguments(names UNIX_COMMAND "${CMAKE_MATCH_1}")
    file(GLOB present LIST_DIRECTORIES true RELATIVE "${WORK}/game" "${WORK}/game/*")
    foreach(name IN LISTS present)
      if(NOT name IN_LIST names)
        file(REMOVE_RECURSE "${WORK}/game/${name}")
      endif()
    endforeach()
  elseif(line MATCHES "^#! *mkdir (.+)$")
    file(MAKE_DIRECTORY "${WORK}/game/${CMAKE_MATCH_1}")
  elseif(line MATCHES "^#! *printf ([^ ]+) (.*)$")
    file(REMOVE_RECURSE "${WORK}/game/${CMAKE_MATCH_1}")
    execute_process(COMMAND printf "${CMAKE_MATCH_2}" OUTPUT_FILE "${WORK}/game/${CMAKE_MATCH_1}"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${SCRIPT}:${k}: printf failed: ${line}")
    endif()
  elseif(line MATCHES "^#! *size ([^ ]+) ([0-9]+)$")
    execute_process(COMMAND truncate -s "${CMAKE_MATCH_2}" "${WORK}/game/${CMAKE_MATCH_1}"
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${SCRIPT}:${k}: truncate failed: ${line}")
    endif()
  elseif(line MATCHES "^#! *fifo (.+)$")
    file(REMOVE_RECURSE "${WORK}/game/${CMAKE_MATCH_1}")
    execute_process(COMMAND mkfifo "${WORK}/game/${CMAKE_MATCH_1}" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "${SCRIPT}:${k}: mkfifo failed: ${line}")
    endif()
  elseif(line MATCHES "^#! *link ([^ ]+) (.+)$")
    file(REMOVE_RECURSE "${WORK}/game/${CMAKE_MATCH_1}")
    file(CREATE_LINK "${CMAKE_MATCH_2}" "${WORK}/game/${CMAKE_MATCH_1}" SYMBOLIC)
  elseif(line MATCHES "^#! *chmod ([0-7][0-7][0-7]) (.+)$")
    set(mode "${CMAKE_MATCH_1}")
    set(target "${CMAKE_MATCH_2}")
    set(permissions "")
    set(whom OWNER GROUP WORLD)
    foreach(who_index RANGE 2)
      list(GET whom ${who_index} who)
      string(SUBSTRING "${mode}" ${who_index} 1 digit)
      if(digit GREATER_EQUAL 4)
        list(APPEND permissions ${who}_READ)
        math(EXPR digit "${digit} - 4")
      endif()
      if(digit GREATER_EQUAL 2)
        list(APPEND permissions ${who}_WRITE)
        math(EXPR digit "${digit} - 2")
      endif()
      if(digit GREATER_EQUAL 1)
        list(APPEND permissions ${who}_EXECUTE)
      endif()
    endforeach()
    file(CHMOD "${WORK}/game/${target}" PERMISSIONS ${permissions})
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
