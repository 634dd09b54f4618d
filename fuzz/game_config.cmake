# game.ini as the player reads it.
vn_fuzzer(fuzz_game_ini SOURCES ${CMAKE_CURRENT_LIST_DIR}/GameIniFuzzer.cpp
          LIBS vngameconfig_checked)
