# A save, watched with strace: the temporary file is flushed to the disk
# before it takes the old file's place, and its folder after, so that a power
# cut cannot leave an empty game file. Run with -DSTRACE=, -DTESTS= (the app
# test program) and -DLOG=.
# Some containers forbid ptrace; there nothing can be watched.
execute_process(COMMAND ${STRACE} -o /dev/null ${CMAKE_COMMAND} -E true RESULT_VARIABLE traceable
  OUTPUT_QUIET ERROR_VARIABLE refusal)
if(NOT traceable EQUAL 0)
  message("strace cannot trace here: ${refusal}")
  return()
endif()
execute_process(COMMAND ${STRACE} -f -y -e trace=fsync,fdatasync,rename,renameat,renameat2 -o ${LOG}
    ${TESTS} --gtest_filter=GameDocumentTest.SavingWritesTheRecordWithCrLf
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the save under strace ended with ${status}")
endif()
file(READ ${LOG} log)
set(folder "[^\n<>]*/gamedocument_SavingWritesTheRecordWithCrLf")
if(NOT log MATCHES "f(data)?sync\\([0-9]+<(${folder}/game\\.pgn\\.tmp[0-9]+)>\\) = 0\n")
  message(FATAL_ERROR "the temporary file was not synced:\n${log}")
endif()
set(temporary "${CMAKE_MATCH_2}")
string(FIND "${log}" "${CMAKE_MATCH_0}" synced)
string(FIND "${log}" "\"${temporary}\"" renamed)
if(renamed LESS synced)
  message(FATAL_ERROR "the temporary file was renamed before it was synced:\n${log}")
endif()
string(SUBSTRING "${log}" ${renamed} -1 after)
if(NOT after MATCHES "\"${folder}/game\\.pgn\"\\) = 0\n(.*\n)?[0-9]+ +f(data)?sync\\([0-9]+<${folder}>\\) = 0\n")
  message(FATAL_ERROR "the folder was not synced after the rename:\n${log}")
endif()
