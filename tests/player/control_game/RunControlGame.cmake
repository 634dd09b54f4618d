# Plays the control-events game with vnplay and no input: the run must end by
# itself and leave save/global.flg with the values its events computed.
# Variables: VNPLAY, VNSCRIPT, GAME (the built game folder), WORK, EXPECTED.
file(REMOVE_RECURSE ${WORK})
file(COPY ${GAME}/ DESTINATION ${WORK})
execute_process(COMMAND ${VNPLAY} ${WORK} RESULT_VARIABLE status TIMEOUT 60)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "vnplay ended with ${status}")
endif()
execute_process(COMMAND ${VNSCRIPT} flg ${WORK}/save/global.flg OUTPUT_VARIABLE values
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "vnscript flg could not read global.flg")
endif()
file(READ ${EXPECTED} expected)
string(REPLACE "\r" "" values "${values}")
if(NOT values STREQUAL expected)
  message(FATAL_ERROR "global.flg holds:\n${values}\nexpected:\n${expected}")
endif()
