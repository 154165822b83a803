# Runs PROGRAM with ARGS (through EMULATOR when set) and compares its standard
# output with the file EXPECTED, line ends aside:
#   cmake -DPROGRAM=... -DARGS="a;b" -DEXPECTED=... [-DEMULATOR=wine] -P compare_output.cmake
execute_process(COMMAND ${EMULATOR} ${PROGRAM} ${ARGS}
                OUTPUT_VARIABLE actual RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} exited with ${status}")
endif()
file(READ ${EXPECTED} expected)
string(REPLACE "\r\n" "\n" actual "${actual}")
string(REPLACE "\r\n" "\n" expected "${expected}")
if(NOT actual STREQUAL expected)
  message(FATAL_ERROR "output differs from ${EXPECTED}:\n${actual}")
endif()
