# torvo-cli uci fed through a pipe, its commands all waiting at once, as an
# engine host sends them: "stop" must end the infinite search, every line
# must end in LF alone. Run with -DCLI=, -DINPUT=
# and, for another platform's program, -DEMULATOR=.
execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${INPUT}
  COMMAND ${EMULATOR} ${CLI} uci
  OUTPUT_VARIABLE out
  RESULTS_VARIABLE statuses
  TIMEOUT 60)
list(GET statuses 1 status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "torvo-cli uci ended with ${status}:\n${out}")
endif()
if(NOT out MATCHES "\nuciok\n" OR NOT out MATCHES "\nreadyok\n")
  message(FATAL_ERROR "no uciok and readyok:\n${out}")
endif()
if(NOT out MATCHES "\nbestmove [a-h][1-8][a-h][1-8][qrbn]?\n$")
  message(FATAL_ERROR "the search did not end with one bestmove:\n${out}")
endif()
string(FIND "${out}" "\r" cr)
if(NOT cr EQUAL -1)
  message(FATAL_ERROR "lines end in CR LF")
endif()
