# Plays one scenario and checks what it printed:
#   cmake -DPLAYER=... -DCHECKER=... -DSCENARIO=x.scenario -DOUT=dir -P run_scenario.cmake
# Beside x.scenario, x.expect.json holds one JSON value per dump (only the fields that matter),
# x.expect.stderr, when present, the message the player must stop with (exit status 2), and
# x.reg, when present, the registry file the program starts with (a copy is played on).
get_filename_component(dir "${SCENARIO}" DIRECTORY)
get_filename_component(name "${SCENARIO}" NAME_WE)
set(expect "${dir}/${name}.expect.json")
set(expectStderr "${dir}/${name}.expect.stderr")
file(MAKE_DIRECTORY "${OUT}")
set(printed "${OUT}/${name}.dumps")

set(options "")
if(EXISTS "${dir}/${name}.reg")
  file(COPY_FILE "${dir}/${name}.reg" "${OUT}/${name}.reg")
  set(options --settings "${OUT}/${name}.reg")
endif()
execute_process(COMMAND "${PLAYER}" ${options} "${SCENARIO}"
                OUTPUT_FILE "${printed}" ERROR_VARIABLE stderr RESULT_VARIABLE status)
if(EXISTS "${expectStderr}")
  file(READ "${expectStderr}" wanted)
  string(STRIP "${wanted}" wanted)
  string(FIND "${stderr}" "${wanted}" at)
  if(NOT status EQUAL 2 OR at EQUAL -1)
    message(FATAL_ERROR "expected exit 2 with \"${wanted}\", got exit ${status}:\n${stderr}")
  endif()
elseif(NOT status EQUAL 0)
  message(FATAL_ERROR "the player stopped with exit ${status}:\n${stderr}")
endif()

if(NOT EXISTS "${expect}")
  set(expect "${OUT}/${name}.no-dumps.json")
  file(WRITE "${expect}" "")
endif()
execute_process(COMMAND "${CHECKER}" "${expect}" "${printed}"
                ERROR_VARIABLE mismatches RESULT_VARIABLE checked)
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "${name}: the dumps differ from ${name}.expect.json:\n${mismatches}")
endif()
