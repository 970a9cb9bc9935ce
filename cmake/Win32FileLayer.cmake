# The Win32 half of the file layer, cross-compiled with MinGW-w64 and run under Wine, so that it is built
# and checked on Linux. WIN32_FILE_LAYER is true where both are at hand.
find_program(MINGW_CXX x86_64-w64-mingw32-g++)
find_program(WINE wine)
find_program(WINESERVER wineserver)
if(MINGW_CXX AND WINE AND WINESERVER AND NOT WIN32)
  set(WIN32_FILE_LAYER TRUE)
else()
  set(WIN32_FILE_LAYER FALSE)
endif()
# Runs a program under Wine in a prefix of its own: run-under-wine.sh PROGRAM.exe PREFIX [ARGUMENTS].
# One prefix per build folder, as Wine puts some 700 MB of its own files into each.
set(WINE_RUNNER ${CMAKE_CURRENT_LIST_DIR}/run-under-wine.sh)
set(WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)

# add_win32_file_program(TARGET SOURCES...): TARGET.exe in the current build folder, from the sources
# (headers only as dependencies) and the Win32 half. The C++ and GCC runtimes are linked in statically,
# so that Wine finds every DLL the program needs in itself.
function(add_win32_file_program target)
  set(race_data_dir ${PROJECT_SOURCE_DIR}/src/race_data)
  set(compiled ${ARGN} ${race_data_dir}/SystemFile.cpp ${race_data_dir}/SystemFile_win32.cpp)
  list(FILTER compiled INCLUDE REGEX "\\.cpp$")
  set(exe ${CMAKE_CURRENT_BINARY_DIR}/${target}.exe)
  add_custom_command(OUTPUT ${exe}
    COMMAND ${MINGW_CXX} -std=c++20 -O2 -Wall -Wextra -Wpedantic -Werror -static -static-libgcc
            -static-libstdc++ -I${race_data_dir} -I${CMAKE_CURRENT_SOURCE_DIR} ${compiled} -o ${exe}
    DEPENDS ${ARGN} ${compiled} ${race_data_dir}/SystemFile.h
    WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
    COMMENT "Cross-compiling ${target}.exe with MinGW"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${exe})
endfunction()
