# The binary data files: event files, flag-data files and single tagged items.
vn_fuzzer(fuzz_event_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/EventFileFuzzer.cpp
          LIBS vnscenario_checked)
vn_fuzzer(fuzz_flag_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/FlagFileFuzzer.cpp
          LIBS vnscenario_checked)
vn_fuzzer(fuzz_string_item SOURCES ${CMAKE_CURRENT_LIST_DIR}/StringItemFuzzer.cpp
          LIBS vnscenario_checked)
vn_fuzzer(fuzz_save_record SOURCES ${CMAKE_CURRENT_LIST_DIR}/SaveRecordFuzzer.cpp
          LIBS vnscenario_checked)
vn_fuzzer(fuzz_save_slots SOURCES ${CMAKE_CURRENT_LIST_DIR}/SaveSlotsFuzzer.cpp
          LIBS vnscenario_checked)
vn_fuzzer(fuzz_event_lists SOURCES ${CMAKE_CURRENT_LIST_DIR}/EventListsFuzzer.cpp
          LIBS vnscenario_checked)
