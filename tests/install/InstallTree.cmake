# Installs the build BUILD_DIR into the empty folder STAGING and compares the files there with EXPECTED
# (one path a line, relative to the prefix). The example race must arrive read-only, the program
# executable, and the menu entry must start the installed program with the installed icon.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${STAGING})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGING}
  OUTPUT_VARIABLE output ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${status}):\n${output}\n${errors}")
endif()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${STAGING} ${STAGING}/*)
list(SORT installed)
file(STRINGS ${EXPECTED} expected)
list(SORT expected)
if(NOT installed STREQUAL expected)
  string(REPLACE ";" "\n  " installed "${installed}")
  string(REPLACE ";" "\n  " expected "${expected}")
  message(FATAL_ERROR "installed:\n  ${installed}\nexpected:\n  ${expected}")
endif()

find_program(STAT stat REQUIRED)
function(expect_mode path mode)
  execute_process(COMMAND ${STAT} -c %a ${STAGING}/${path} OUTPUT_VARIABLE actual OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT actual STREQUAL mode)
    message(FATAL_ERROR "${path} has mode ${actual}, expected ${mode}")
  endif()
endfunction()
expect_mode(share/brisrundan/Exempel.dat 444)
expect_mode(share/brisrundan/Exempel.cmt 444)
expect_mode(bin/brisrundan 755)

file(STRINGS ${STAGING}/share/applications/brisrundan.desktop entry)
foreach(line "Exec=brisrundan" "Icon=brisrundan" "Name=Brisrundan" "Type=Application")
  if(NOT line IN_LIST entry)
    message(FATAL_ERROR "the menu entry lacks ${line}")
  endif()
endforeach()
message(STATUS "${STAGING}: the expected files")
