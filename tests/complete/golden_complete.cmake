# tolvex-cli --complete on every GOLDEN/NAME.rc (run from GOLDEN) writes GOLDEN/NAME.bas byte for
# byte with the messages of NAME.err (none when missing), exit status 1 when they hold an error;
# without --complete its messages are NAME.hint. --quiet leaves no message. Each designed case
# named in IDENTITY (DESIGNED/NAME.rc, options in NAME.args) converts to DESIGNED/NAME.bas.
# EMULATOR, when set, runs the program (Wine for the Windows build).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/none.txt "")
file(GLOB scripts ${GOLDEN}/*.rc)
if(NOT scripts)
  message(FATAL_ERROR "no scripts in ${GOLDEN}")
endif()
set(failed "")

# Compares a file with the expected one, or with nothing when that one is missing.
function(expect_messages actual expected result)
  if(NOT EXISTS ${expected})
    set(expected ${WORK}/none.txt)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files --ignore-eol ${actual} ${expected}
    RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  set(${result} ${differs} PARENT_SCOPE)
endfunction()

foreach(script ${scripts})
  get_filename_component(name ${script} NAME_WE)
  execute_process(COMMAND ${EMULATOR} ${CLI} --complete -o ${WORK}/${name}.bas ${name}.rc
    WORKING_DIRECTORY ${GOLDEN} RESULT_VARIABLE status ERROR_FILE ${WORK}/${name}.err)
  set(expected_status 0)
  if(EXISTS ${GOLDEN}/${name}.err)
    file(STRINGS ${GOLDEN}/${name}.err errors REGEX ": error: ")
    if(errors)
      set(expected_status 1)
    endif()
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.bas ${GOLDEN}/${name}.bas
    RESULT_VARIABLE program_differs OUTPUT_QUIET ERROR_QUIET)
  expect_messages(${WORK}/${name}.err ${GOLDEN}/${name}.err err_differs)

  execute_process(COMMAND ${EMULATOR} ${CLI} -o ${WORK}/${name}.designed.bas ${name}.rc
    WORKING_DIRECTORY ${GOLDEN} ERROR_FILE ${WORK}/${name}.hint)
  expect_messages(${WORK}/${name}.hint ${GOLDEN}/${name}.hint hint_differs)

  if(NOT status EQUAL expected_status OR NOT program_differs EQUAL 0 OR NOT err_differs EQUAL 0
     OR NOT hint_differs EQUAL 0)
    list(APPEND failed ${name})
    message("${name}: exit ${status} (expected ${expected_status}), program differs: "
            "${program_differs}, messages differ: ${err_differs}, hint differs: ${hint_differs}; "
            "see ${WORK}")
  endif()
endforeach()

# --quiet silences hints and warnings, with or without --complete, and leaves the exit status.
foreach(complete --complete "")
  execute_process(COMMAND ${EMULATOR} ${CLI} ${complete} --quiet -o ${WORK}/quiet.bas warnings.rc
    WORKING_DIRECTORY ${GOLDEN} RESULT_VARIABLE status ERROR_VARIABLE errors)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
    list(APPEND failed "quiet${complete}")
    message("--quiet ${complete}: exit ${status}, messages '${errors}'")
  endif()
endforeach()

foreach(name ${IDENTITY})
  file(COPY ${DESIGNED}/${name}.rc DESTINATION ${WORK}/identity)
  set(options "")
  if(EXISTS ${DESIGNED}/${name}.args)
    file(STRINGS ${DESIGNED}/${name}.args options)
  endif()
  execute_process(COMMAND ${EMULATOR} ${CLI} --complete ${options} ${WORK}/identity/${name}.rc
    RESULT_VARIABLE status ERROR_VARIABLE errors)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/identity/${name}.bas
    ${DESIGNED}/${name}.bas RESULT_VARIABLE differs OUTPUT_QUIET ERROR_QUIET)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT differs EQUAL 0)
    list(APPEND failed "identity:${name}")
    message("identity ${name}: exit ${status}, messages '${errors}', program differs: ${differs}")
  endif()
endforeach()

if(failed)
  message(FATAL_ERROR "not converted as expected: ${failed}")
endif()
