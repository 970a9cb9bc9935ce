# Runs one scenario: RUNNER (brisrundan-script), SCRIPT (NAME.script beside NAME.expected), ASSETS (the
# shipped files), APPS (where the application folders are made). With UPDATE=ON, or the environment
# variable BRISRUNDAN_UPDATE_SCENARIOS set, NAME.expected is rewritten instead of compared.
cmake_minimum_required(VERSION 3.25)

get_filename_component(dir ${SCRIPT} DIRECTORY)
get_filename_component(name ${SCRIPT} NAME_WLE)
set(expected_file ${dir}/${name}.expected)
set(appdir ${APPS}/${name})

# A fresh application folder, as the program is shipped: the example race read-only, and the sound.
file(REMOVE_RECURSE ${appdir})
file(MAKE_DIRECTORY ${appdir})
file(COPY ${ASSETS}/Exempel.dat ${ASSETS}/Exempel.cmt DESTINATION ${appdir}
     FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(COPY ${ASSETS}/Gun.wav DESTINATION ${appdir})
if(IS_DIRECTORY ${dir}/${name}.setup)
  file(COPY ${dir}/${name}.setup/ DESTINATION ${appdir})
endif()

execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${RUNNER} --appdir ${appdir} ${SCRIPT}
  WORKING_DIRECTORY ${APPS}
  OUTPUT_VARIABLE output
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
string(REPLACE "${appdir}" "$APPDIR" output "${output}")

if(UPDATE OR DEFINED ENV{BRISRUNDAN_UPDATE_SCENARIOS})
  file(WRITE ${expected_file} "${output}")
  message(STATUS "rewrote ${expected_file} (exit status ${status}); review it line by line")
  return()
endif()

if(NOT EXISTS ${expected_file})
  message(FATAL_ERROR "${expected_file} is missing; output was:\n${output}\n${errors}")
endif()
file(READ ${expected_file} expected)

# A script that ends in a script error exits with 2, any other with 0.
set(expected_status 0)
if(expected MATCHES "{\"event\":\"error\"[^\n]*\n$")
  set(expected_status 2)
endif()

if(NOT output STREQUAL expected)
  set(actual_file ${APPS}/${name}.actual)
  file(WRITE ${actual_file} "${output}")
  # The difference goes to the test's own output, untouched by CMake's message formatting.
  find_program(DIFF diff)
  if(DIFF)
    execute_process(COMMAND ${DIFF} -u ${expected_file} ${actual_file})
  else()
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "expected (${expected_file}):")
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${expected_file})
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo "actual (${actual_file}):")
    execute_process(COMMAND ${CMAKE_COMMAND} -E cat ${actual_file})
  endif()
  message(FATAL_ERROR "${name}: the output differs from ${name}.expected (shown above)\nstderr:\n${errors}")
endif()
if(NOT status EQUAL expected_status)
  message(FATAL_ERROR "${name}: exit status ${status}, expected ${expected_status}\nstderr:\n${errors}")
endif()
