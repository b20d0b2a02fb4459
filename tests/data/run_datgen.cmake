# Runs kavo71_datgen on an entry list. With EXPECT_ERROR the run must fail and its message match
# that pattern; otherwise it must succeed and write exactly the bytes of SAME_AS.
# cmake -DDATGEN=<program> -DLIST=<entry list> -DOUT=<output> [-DFOLDERS=<a|b>]
#       (-DEXPECT_ERROR=<regex> | -DSAME_AS=<file>) -P run_datgen.cmake
string(REPLACE "|" ";" FOLDERS "${FOLDERS}")
execute_process(COMMAND ${DATGEN} ${LIST} ${OUT} ${FOLDERS}
                RESULT_VARIABLE result ERROR_VARIABLE message)
if(DEFINED EXPECT_ERROR)
  if(result EQUAL 0)
    message(FATAL_ERROR "kavo71_datgen succeeded; expected a failure matching \"${EXPECT_ERROR}\"")
  endif()
  if(NOT message MATCHES "${EXPECT_ERROR}")
    message(FATAL_ERROR "kavo71_datgen said \"${message}\"; expected \"${EXPECT_ERROR}\"")
  endif()
else()
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "kavo71_datgen failed: ${message}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${SAME_AS} RESULT_VARIABLE differs)
  if(differs)
    message(FATAL_ERROR "${OUT} differs from ${SAME_AS}")
  endif()
endif()
