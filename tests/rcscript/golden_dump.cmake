# Runs tolvex-cli --dump on every GOLDEN/NAME.rc from within GOLDEN, and compares its standard
# output with GOLDEN/NAME.dump byte for byte and its messages with GOLDEN/NAME.err (none when that
# file is missing); the exit status must be 1 when NAME.err holds an error, else 0. EMULATOR, when
# set, runs the program (Wine for the Windows build).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(GLOB scripts ${GOLDEN}/*.rc)
if(NOT scripts)
  message(FATAL_ERROR "no scripts in ${GOLDEN}")
endif()
set(failed "")
foreach(script ${scripts})
  get_filename_component(name ${script} NAME_WE)
  execute_process(COMMAND ${EMULATOR} ${CLI} --dump ${name}.rc
    WORKING_DIRECTORY ${GOLDEN}
    RESULT_VARIABLE status OUTPUT_FILE ${WORK}/${name}.dump ERROR_FILE ${WORK}/${name}.err)
  set(expected_status 0)
  set(expected_err ${WORK}/no.err)
  file(WRITE ${expected_err} "")
  if(EXISTS ${GOLDEN}/${name}.err)
    set(expected_err ${GOLDEN}/${name}.err)
    file(STRINGS ${expected_err} errors REGEX ": error: ")
    if(errors)
      set(expected_status 1)
    endif()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.dump ${GOLDEN}/${name}.dump
    RESULT_VARIABLE dump_differs OUTPUT_QUIET ERROR_QUIET)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol ${WORK}/${name}.err ${expected_err}
    RESULT_VARIABLE err_differs OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL expected_status OR NOT dump_differs EQUAL 0 OR NOT err_differs EQUAL 0)
    list(APPEND failed ${name})
    message("${name}: exit ${status} (expected ${expected_status}), dump differs: ${dump_differs}, "
            "messages differ: ${err_differs}; see ${WORK}")
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "not read as expected: ${failed}")
endif()
