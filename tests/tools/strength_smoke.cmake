# The strength tool's short run: two games of Level 1 against the weakest
# anchor, cut at a few moves. Both games must be in the PGN, each with its
# result and the reason it ended, and the table must have Level 1's line.
# Run with -DPYTHON=, -DTOOL=, -DCLI=, -DANCHOR=, -DPGN=.
file(REMOVE ${PGN})
execute_process(COMMAND ${PYTHON} ${TOOL} --cli ${CLI} --stockfish ${ANCHOR} --pgn ${PGN}
                        --level 1 --anchor 1350/2 --games 2 --ply-cap 16 --concurrency 2
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status
  TIMEOUT 120)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the strength tool ended with ${status}:\n${out}${err}")
endif()
if(NOT out MATCHES "\nLevel 1 +2 +\\+[0-9]+ -[0-9]+ =[0-9]+ +[0-9.]+% ")
  message(FATAL_ERROR "no table line for Level 1's two games:\n${out}")
endif()
file(READ ${PGN} pgn)
string(REGEX MATCHALL "\n\\[Result \"(1-0|0-1|1/2-1/2)\"\\]" results "\n${pgn}")
string(REGEX MATCHALL "\n\\[Termination \"[^\"]+\"\\]" reasons "\n${pgn}")
string(REGEX MATCHALL "\n\\[Event \"[^\"]*\"\\]" games "\n${pgn}")
list(LENGTH results result_count)
list(LENGTH reasons reason_count)
list(LENGTH games game_count)
if(NOT game_count EQUAL 2 OR NOT result_count EQUAL 2 OR NOT reason_count EQUAL 2)
  message(FATAL_ERROR "${game_count} games, ${result_count} results, ${reason_count} reasons in the PGN:\n${pgn}")
endif()
if(pgn MATCHES "\\[Fault ")
  message(FATAL_ERROR "a game ended by a fault:\n${pgn}")
endif()
