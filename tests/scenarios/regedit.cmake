# Settings moved between PCs with the registry editor (Windows only): a .reg file imported with
# `regedit /s` into this user's registry, the program played on it (--user-registry), what it
# saved exported with `regedit /e` and imported again after the key is gone, as on a new PC.
#   cmake -DPLAYER=... -DCHECKER=... -DDIR=regedit -DOUT=dir -DEMULATOR=... -P regedit.cmake
# The key is this user's own: no other test may use it meanwhile (ctest RESOURCE_LOCK).
# Output goes to files rather than pipes, which Wine's desktop process may keep open.
cmake_policy(VERSION 3.20)
set(played "${OUT}/regedit")
set(key "HKEY_CURRENT_USER\\Software\\Tormelund\\Quillbit")
file(REMOVE_RECURSE "${played}")
file(MAKE_DIRECTORY "${played}")

function(wine step)
  execute_process(COMMAND ${EMULATOR} ${ARGN} OUTPUT_FILE "${played}/${step}.out"
                  ERROR_FILE "${played}/${step}.err" RESULT_VARIABLE status TIMEOUT 120)
  set(status ${status} PARENT_SCOPE)
endfunction()

function(remove_key step)
  wine(${step} reg delete "${key}" /f)
  wine(${step}-check reg query "${key}")
  if(status EQUAL 0)
    message(FATAL_ERROR "${step}: the settings key is still there")
  endif()
endfunction()

function(play run)
  execute_process(COMMAND ${EMULATOR} "${PLAYER}" --user-registry "${DIR}/restored.scenario"
                  OUTPUT_FILE "${played}/${run}.dumps" ERROR_FILE "${played}/${run}.stderr"
                  RESULT_VARIABLE status TIMEOUT 300)
  if(NOT status EQUAL 0)
    file(READ "${played}/${run}.stderr" stderr)
    message(FATAL_ERROR "${run} run: exit ${status}:\n${stderr}")
  endif()
  execute_process(COMMAND ${EMULATOR} "${CHECKER}" "${DIR}/${run}.expect.json"
                          "${played}/${run}.dumps"
                  ERROR_FILE "${played}/${run}.mismatches" RESULT_VARIABLE checked)
  if(NOT checked EQUAL 0)
    file(READ "${played}/${run}.mismatches" mismatches)
    message(FATAL_ERROR "${run} run: the dumps differ from ${run}.expect.json:\n${mismatches}")
  endif()
endfunction()

remove_key(clear)
file(COPY_FILE "${DIR}/settings.reg" "${played}/settings.reg")
wine(import regedit /s "${played}/settings.reg")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "regedit could not import settings.reg (exit ${status})")
endif()
play(first)

wine(export regedit /e "${played}/exported.reg" "${key}")
if(NOT status EQUAL 0 OR NOT EXISTS "${played}/exported.reg")
  message(FATAL_ERROR "regedit could not export the settings key (exit ${status})")
endif()
# The registry editor writes UTF-16, each value a line of its own.
file(STRINGS "${played}/exported.reg" exported ENCODING UTF-16LE)
list(TRANSFORM exported STRIP)
file(STRINGS "${DIR}/exported.expect" wanted)
foreach(line IN LISTS wanted)
  if(NOT line IN_LIST exported)
    string(REPLACE ";" "\n" all "${exported}")
    message(FATAL_ERROR "the export lacks ${line}; it holds:\n${all}")
  endif()
endforeach()

remove_key(clean)
wine(reimport regedit /s "${played}/exported.reg")
if(NOT status EQUAL 0)
  message(FATAL_ERROR "regedit could not import its own export (exit ${status})")
endif()
play(second)
remove_key(done)
