# Two runs of the player on one settings file (--settings), the second reading its scenario
# from standard input: what the first run saved is there for the second.
#   cmake -DPLAYER=... -DCHECKER=... -DDIR=settings_file -DOUT=dir -P settings_file.cmake
set(settings "${OUT}/settings-file/registry.reg")
file(REMOVE_RECURSE "${OUT}/settings-file")
file(MAKE_DIRECTORY "${OUT}/settings-file")

execute_process(COMMAND "${PLAYER}" --settings "${settings}" "${DIR}/first.scenario"
                OUTPUT_FILE "${OUT}/settings-file/first.dumps" ERROR_VARIABLE stderr
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "first run: exit ${status}:\n${stderr}")
endif()
if(NOT EXISTS "${settings}")
  message(FATAL_ERROR "the first run left no settings file at ${settings}")
endif()
execute_process(COMMAND "${PLAYER}" --settings "${settings}" -
                INPUT_FILE "${DIR}/second.scenario"
                OUTPUT_FILE "${OUT}/settings-file/second.dumps" ERROR_VARIABLE stderr
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "second run: exit ${status}:\n${stderr}")
endif()
foreach(run first second)
  execute_process(COMMAND "${CHECKER}" "${DIR}/${run}.expect.json" "${OUT}/settings-file/${run}.dumps"
                  ERROR_VARIABLE mismatches RESULT_VARIABLE checked)
  if(NOT checked EQUAL 0)
    message(FATAL_ERROR "${run} run: the dumps differ from ${run}.expect.json:\n${mismatches}")
  endif()
endforeach()
