# torvo-cli uci fed a burst of go commands through a pipe, all waiting at
# once: each go ends the search before it and gets its own bestmove, the
# end of the input ends the last. Run with -DCLI=, -DINPUT=, -DBESTMOVES=
# (how many go the input holds) and, for another platform's program, -DEMULATOR=.
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${INPUT}
  COMMAND ${EMULATOR} ${CLI} uci
  OUTPUT_VARIABLE out
  RESULTS_VARIABLE statuses
  TIMEOUT 60)
list(GET statuses 1 status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "torvo-cli uci ended with ${status}:\n${out}")
endif()
string(REGEX MATCHALL "\nbestmove [a-h][1-8][a-h][1-8][qrbn]?\n" answers "\n${out}")
list(LENGTH answers count)
if(NOT count EQUAL BESTMOVES)
  message(FATAL_ERROR "${count} bestmove lines for ${BESTMOVES} go:\n${out}")
endif()
