# Runs tolvex-cli on a copy of every GOLDEN/NAME.rc, with the options of NAME.args (one a line),
# and compares the program it writes with GOLDEN/NAME.bas byte for byte. EMULATOR, when set, runs
# the converter (Wine for the Windows build).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB scripts ${GOLDEN}/*.rc)
if(NOT scripts)
  message(FATAL_ERROR "no scripts in ${GOLDEN}")
endif()
set(failed "")
foreach(script ${scripts})
  get_filename_component(name ${script} NAME_WE)
  file(COPY ${script} DESTINATION ${WORK})
  set(options "")
  if(EXISTS ${GOLDEN}/${name}.args)
    file(STRINGS ${GOLDEN}/${name}.args options)
  endif()
  execute_process(COMMAND ${EMULATOR} ${CLI} ${options} ${WORK}/${name}.rc
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.bas ${GOLDEN}/${name}.bas
    RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT differs EQUAL 0)
    list(APPEND failed ${name})
    message("${name}: exit ${status}, messages '${errors}', program differs: ${differs}")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "not converted as expected: ${failed}")
endif()
