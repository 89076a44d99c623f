# torvo-cli replay on files named in German, Polish and Russian letters: an
# existing one is read as its text from standard input is, a missing one is
# "File open error: 2" with status 1, and a name quoted back in a message
# comes out as UTF-8. No single-byte code page holds all three names, so on
# Windows the names must not pass through it. Run with -DCLI=, -DDIR= (a
# folder of its own) and, for another platform's program, -DEMULATOR=.
set(names "ä.pgn" "Übung.pgn" "Zażółć gęślą jaźń.pgn" "Шахматы.pgn")
set(game "[Event \"Club\"]\n[Result \"0-1\"]\n\n1. f3 e5 2. g4 Qh4# 0-1\n")

file(REMOVE_RECURSE ${DIR})
file(MAKE_DIRECTORY ${DIR})
file(WRITE ${DIR}/plain.pgn "${game}")
execute_process(COMMAND ${EMULATOR} ${CLI} replay
  WORKING_DIRECTORY ${DIR} INPUT_FILE ${DIR}/plain.pgn
  OUTPUT_VARIABLE expected RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0 OR NOT expected MATCHES "Qh4# 0-1")
  message(FATAL_ERROR "replay from standard input ended with ${status}:\n${expected}")
endif()

set(failures "")
foreach(name IN LISTS names)
  file(WRITE "${DIR}/${name}" "${game}")
  execute_process(COMMAND ${EMULATOR} ${CLI} replay ${name}
    WORKING_DIRECTORY ${DIR}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 0 OR NOT out STREQUAL expected)
    string(APPEND failures "replay '${name}' ended with ${status}:\n${out}${err}\n")
  endif()

  file(REMOVE "${DIR}/${name}")
  execute_process(COMMAND ${EMULATOR} ${CLI} replay ${name}
    WORKING_DIRECTORY ${DIR}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
  string(FIND "${err}" "File open error: 2" found)
  if(NOT status EQUAL 1 OR NOT out STREQUAL "" OR found EQUAL -1)
    string(APPEND failures "replay of the missing '${name}' ended with ${status}:\n${out}${err}\n")
  endif()
endforeach()

list(JOIN names "," all)
execute_process(COMMAND ${EMULATOR} ${CLI} replay --${all}
  WORKING_DIRECTORY ${DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
string(FIND "${err}" "unknown argument '--${all}'" found)
if(NOT status EQUAL 2 OR found EQUAL -1)
  string(APPEND failures "replay --${all} ended with ${status}:\n${err}\n")
endif()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
