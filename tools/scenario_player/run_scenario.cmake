# Plays one scenario and checks what it printed:
#   cmake -DPLAYER=... -DCHECKER=... -DSCENARIO=x.scenario -DOUT=dir [-DEMULATOR=...]
#         [-DPLATFORM=name] -P run_scenario.cmake
# Beside x.scenario, x.expect.json holds one JSON value per dump (only the fields that matter),
# x.expect.stderr, when present, the message the player must stop with (exit status 2), and
# x.reg, when present, the registry file the program starts with (a copy is played on). The
# scenario is played from a copy in OUT, so that the files it names are found in OUT (media/).
# EMULATOR runs the player and the checker of a cross build (Wine). With PLATFORM, a file
# x.PLATFORM.reg or x.PLATFORM.expect.json is taken instead of x.reg or x.expect.json: the
# scenario's setting or outcome differs there for a reason of the platform (a path, say).
get_filename_component(dir "${SCENARIO}" DIRECTORY)
get_filename_component(name "${SCENARIO}" NAME_WE)

# The platform's own version of a file beside the scenario, if it has one.
function(scenario_file variable suffix)
  set(file "${dir}/${name}.${suffix}")
  if(PLATFORM AND EXISTS "${dir}/${name}.${PLATFORM}.${suffix}")
    set(file "${dir}/${name}.${PLATFORM}.${suffix}")
  endif()
  set(${variable} "${file}" PARENT_SCOPE)
endfunction()

scenario_file(expect expect.json)
scenario_file(registry reg)
set(expectStderr "${dir}/${name}.expect.stderr")
file(MAKE_DIRECTORY "${OUT}")
set(printed "${OUT}/${name}.dumps")

set(options "")
if(EXISTS "${registry}")
  file(COPY_FILE "${registry}" "${OUT}/${name}.reg")
  set(options --settings "${OUT}/${name}.reg")
endif()
# Standard error goes to a file rather than a pipe: a process the player starts may keep it open
# after the player has ended (Wine's desktop process does), and a pipe would be waited on.
file(COPY_FILE "${SCENARIO}" "${OUT}/${name}.scenario")
execute_process(COMMAND ${EMULATOR} "${PLAYER}" ${options} "${OUT}/${name}.scenario"
                OUTPUT_FILE "${printed}" ERROR_FILE "${printed}.stderr" RESULT_VARIABLE status)
file(READ "${printed}.stderr" stderr)
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
execute_process(COMMAND ${EMULATOR} "${CHECKER}" "${expect}" "${printed}"
                ERROR_FILE "${printed}.mismatches" RESULT_VARIABLE checked)
file(READ "${printed}.mismatches" mismatches)
if(NOT checked EQUAL 0)
  message(FATAL_ERROR "${name}: the dumps differ from ${name}.expect.json:\n${mismatches}")
endif()
