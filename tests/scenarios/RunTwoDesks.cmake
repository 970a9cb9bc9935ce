# Two desks in one application folder, as two copies of the program: the first (DIR/first.script)
# opens a race and serves, and the second (DIR/second.script) starts once the race's lock file and the
# settings file are there. Their outputs, the first's and then the second's, are compared with
# DIR/expected. RUNNER, DIR, ASSETS and APPS as for RunScenario.cmake; with UPDATE=ON, or the
# environment variable BRISRUNDAN_UPDATE_SCENARIOS set, DIR/expected is rewritten instead.
cmake_minimum_required(VERSION 3.25)

if(DEFINED SECOND_OUT)
  # The second desk's starter, run beside the first desk: it waits (at most a minute) for the lock.
  foreach(attempt RANGE 600)
    if(EXISTS ${LOCK} AND EXISTS ${SETTINGS})
      break()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.1)
  endforeach()
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${RUNNER} --appdir ${APPDIR} ${SCRIPT}
    OUTPUT_FILE ${SECOND_OUT}
    ERROR_QUIET)
  return()
endif()

set(appdir ${APPS}/two-desks)
set(second_out ${APPS}/two-desks.second)
set(expected_file ${DIR}/expected)
file(REMOVE_RECURSE ${appdir})
file(REMOVE ${second_out})
file(MAKE_DIRECTORY ${appdir})
file(COPY ${ASSETS}/Exempel.dat ${ASSETS}/Exempel.cmt DESTINATION ${appdir}
     FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(COPY ${ASSETS}/Gun.wav DESTINATION ${appdir})

# The starter's standard output feeds the first desk's standard input, which a desk running a script
# file never reads; only the first desk's output is captured here.
execute_process(
  COMMAND ${CMAKE_COMMAND} -DSECOND_OUT=${second_out} -DLOCK=${appdir}/Höst.lock
          -DSETTINGS=${appdir}/Vindo.ini -DRUNNER=${RUNNER} -DAPPDIR=${appdir} -DSCRIPT=${DIR}/second.script
          -P ${CMAKE_CURRENT_LIST_FILE}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${RUNNER} --appdir ${appdir} ${DIR}/first.script
  WORKING_DIRECTORY ${APPS}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
if(EXISTS ${second_out})
  file(READ ${second_out} second)
  string(APPEND output "${second}")
endif()
string(REPLACE "${appdir}" "$APPDIR" output "${output}")

if(UPDATE OR DEFINED ENV{BRISRUNDAN_UPDATE_SCENARIOS})
  file(WRITE ${expected_file} "${output}")
  message(STATUS "rewrote ${expected_file}; review it line by line")
  return()
endif()
file(READ ${expected_file} expected)
if(NOT output STREQUAL expected)
  message(FATAL_ERROR "two desks: the output differs from ${expected_file}:\n${output}\nstderr:\n${errors}")
endif()
