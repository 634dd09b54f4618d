# Whole script texts of arbitrary bytes: reading, writing again, summaries.
vn_fuzzer(fuzz_script_text SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScriptTextFuzzer.cpp
          LIBS vnscenario_checked)
# Script texts as `vnscript compile` reads them: decoding and its warnings.
vn_fuzzer(fuzz_script_compile SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScriptCompileFuzzer.cpp
          ${PROJECT_SOURCE_DIR}/tools/vnscript/TextEncoding.cpp LIBS vnscenario_checked)
