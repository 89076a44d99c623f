# The strength tool against an anchor that goes wrong at its first move in
# each way the tool must catch: both games are lost by the anchor and say why.
# Run with -DPYTHON=, -DTOOL=, -DCLI=, -DFAKE=, -DDIR=.
foreach(fault illegal malformed crash hang)
  set(pgn ${DIR}/strength-${fault}.pgn)
  file(REMOVE ${pgn})
  execute_process(COMMAND ${CMAKE_COMMAND} -E env STRENGTH_FAKE=${fault}
                          ${PYTHON} ${TOOL} --cli ${CLI} --stockfish ${FAKE} --pgn ${pgn}
                          --level 1 --anchor 1350/2 --games 2 --concurrency 2 --move-timeout 1
    OUTPUT_VARIABLE out
    ERROR_VARIABLE err
    RESULT_VARIABLE status
    TIMEOUT 60)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${fault}: the strength tool ended with ${status}:\n${out}${err}")
  endif()
  if(NOT out MATCHES "\nLevel 1 +2 +\\+2 -0 =0 " OR NOT out MATCHES "; faults 2;")
    message(FATAL_ERROR "${fault}: the anchor did not lose both games by its fault:\n${out}")
  endif()
  file(READ ${pgn} text)
  string(REGEX MATCHALL "\n\\[Fault \"${fault}\"\\]" faults "\n${text}")
  list(LENGTH faults count)
  if(NOT count EQUAL 2)
    message(FATAL_ERROR "${fault}: ${count} games with Fault \"${fault}\" in the PGN:\n${text}")
  endif()
endforeach()
