# Whole script texts of arbitrary bytes: reading, writing again, summaries.
vn_fuzzer(fuzz_script_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScriptTextFuzzer.cpp
          LIBS vnscenario_checked)
