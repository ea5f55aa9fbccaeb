# Two runs of the player on one settings file (--settings), the second reading its scenario
# from standard input: what the first run saved is there for the second.
#   cmake -DPLAYER=... -DCHECKER=... -DDIR=settings_file -DOUT=dir [-DEMULATOR=...]
#         -P settings_file.cmake
# Standard error goes to files rather than pipes, which a process the player starts may keep
# open after it has ended (Wine's desktop process does).
set(played "${OUT}/settings-file")
set(settings "${played}/registry.reg")
file(REMOVE_RECURSE "${played}")
file(MAKE_DIRECTORY "${played}")

execute_process(COMMAND ${EMULATOR} "${PLAYER}" --settings "${settings}" "${DIR}/first.scenario"
                OUTPUT_FILE "${played}/first.dumps" ERROR_FILE "${played}/first.stderr"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(READ "${played}/first.stderr" stderr)
  message(FATAL_ERROR "first run: exit ${status}:\n${stderr}")
endif()
if(NOT EXISTS "${settings}")
  message(FATAL_ERROR "the first run left no settings file at ${settings}")
endif()
execute_process(COMMAND ${EMULATOR} "${PLAYER}" --settings "${settings}" -
                INPUT_FILE "${DIR}/second.scenario"
                OUTPUT_FILE "${played}/second.dumps" ERROR_FILE "${played}/second.stderr"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(READ "${played}/second.stderr" stderr)
  message(FATAL_ERROR "second run: exit ${status}:\n${stderr}")
endif()
foreach(run first second)
  execute_process(COMMAND ${EMULATOR} "${CHECKER}" "${DIR}/${run}.expect.json"
                          "${played}/${run}.dumps"
                  ERROR_FILE "${played}/${run}.mismatches" RESULT_VARIABLE checked)
  if(NOT checked EQUAL 0)
    file(READ "${played}/${run}.mismatches" mismatches)
    message(FATAL_ERROR "${run} run: the dumps differ from ${run}.expect.json:\n${mismatches}")
  endif()
endforeach()
