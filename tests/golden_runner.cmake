# Runs tolvex-cli on every GOLDEN/NAME.rc, from within GOLDEN, in one MODE and compares what it
# leaves, byte for byte, with what stands beside the script:
#   designed   the program (NAME.bas), with the options of NAME.args (one a line)
#   complete   the program of --complete (NAME.bas) and its messages (NAME.err); then the
#              messages of the designed conversion, the hint line (NAME.hint)
#   dump       the model of --dump on standard output (NAME.dump) and its messages (NAME.err)
# A missing message file expects no message; messages holding an error expect exit status 1.
# Each designed case named in IDENTITY (DESIGNED/NAME.rc, options in NAME.args) converts with
# --complete to DESIGNED/NAME.bas, and --quiet leaves no message on QUIET.rc. EMULATOR, when set,
# runs the program (Wine for the Windows build).
cmake_minimum_required(VERSION 3.20)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/none.txt "")
file(GLOB scripts ${GOLDEN}/*.rc)
if(NOT scripts)
  message(FATAL_ERROR "no scripts in ${GOLDEN}")
endif()
set(failed "")

# Compares two files (the second missing: an empty one), messages without regard to line ends.
function(differs actual expected result)
  if(NOT EXISTS ${expected})
    set(expected ${WORK}/none.txt)
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${ARGN} ${actual} ${expected}
    RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
  set(${result} ${status} PARENT_SCOPE)
endfunction()

# The exit status a message file asks for.
function(expected_status messages result)
  set(status 0)
  if(EXISTS ${messages})
    file(STRINGS ${messages} errors REGEX ": error: ")
    if(errors)
      set(status 1)
    endif()
  endif()
  set(${result} ${status} PARENT_SCOPE)
endfunction()

foreach(script ${scripts})
  get_filename_component(name ${script} NAME_WE)
  set(base ${GOLDEN}/${name})
  set(options "")
  if(EXISTS ${base}.args)
    file(STRINGS ${base}.args options)
  endif()
  set(problems "")
  if(MODE STREQUAL "dump")
    execute_process(COMMAND ${EMULATOR} ${CLI} --dump ${name}.rc WORKING_DIRECTORY ${GOLDEN}
      RESULT_VARIABLE status OUTPUT_FILE ${WORK}/${name}.dump ERROR_FILE ${WORK}/${name}.err)
    differs(${WORK}/${name}.dump ${base}.dump output_differs)
    set(messages err)
  else()
    set(conversion "")
    set(messages hint)
    if(MODE STREQUAL "complete")
      set(conversion --complete)
      set(messages err)
    endif()
    execute_process(COMMAND ${EMULATOR} ${CLI} ${conversion} ${options} -o ${WORK}/${name}.bas
      ${name}.rc WORKING_DIRECTORY ${GOLDEN}
      RESULT_VARIABLE status ERROR_FILE ${WORK}/${name}.${messages})
    differs(${WORK}/${name}.bas ${base}.bas output_differs)
    if(MODE STREQUAL "complete")
      execute_process(COMMAND ${EMULATOR} ${CLI} -o ${WORK}/${name}.designed.bas ${name}.rc
        WORKING_DIRECTORY ${GOLDEN} ERROR_FILE ${WORK}/${name}.hint)
      differs(${WORK}/${name}.hint ${base}.hint hint_differs --ignore-eol)
      if(NOT hint_differs EQUAL 0)
        list(APPEND problems "the hint differs")
      endif()
    endif()
  endif()
  differs(${WORK}/${name}.${messages} ${base}.${messages} messages_differ --ignore-eol)
  expected_status(${base}.${messages} wanted)
  if(NOT output_differs EQUAL 0)
    list(APPEND problems "the output differs")
  endif()
  if(NOT messages_differ EQUAL 0)
    list(APPEND problems "the messages differ")
  endif()
  if(NOT status EQUAL wanted)
    list(APPEND problems "exit ${status}, not ${wanted}")
  endif()
  if(problems)
    list(APPEND failed ${name})
    message("${name}: ${problems}; see ${WORK}")
  endif()
endforeach()

# --quiet silences hints and warnings, with or without --complete, and leaves the exit status.
if(QUIET)
  foreach(conversion --complete "")
    execute_process(COMMAND ${EMULATOR} ${CLI} ${conversion} --quiet -o ${WORK}/quiet.bas
      ${QUIET}.rc WORKING_DIRECTORY ${GOLDEN} RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
      list(APPEND failed "quiet${conversion}")
      message("--quiet ${conversion}: exit ${status}, messages '${errors}'")
    endif()
  endforeach()
endif()

foreach(name ${IDENTITY})
  set(options "")
  if(EXISTS ${DESIGNED}/${name}.args)
    file(STRINGS ${DESIGNED}/${name}.args options)
  endif()
  execute_process(COMMAND ${EMULATOR} ${CLI} --complete ${options} -o ${WORK}/${name}.identity.bas
    ${name}.rc WORKING_DIRECTORY ${DESIGNED} RESULT_VARIABLE status ERROR_VARIABLE errors)
  differs(${WORK}/${name}.identity.bas ${DESIGNED}/${name}.bas output_differs)
  if(NOT status EQUAL 0 OR NOT errors STREQUAL "" OR NOT output_differs EQUAL 0)
    list(APPEND failed "identity:${name}")
    message("identity ${name}: exit ${status}, messages '${errors}', program differs: "
            "${output_differs}")
  endif()
endforeach()

if(failed)
  message(FATAL_ERROR "not as expected: ${failed}")
endif()
