# Fuzz targets for the image readers and the mask generator's reader.
vn_fuzzer(fuzz_bmp SOURCES ${CMAKE_CURRENT_LIST_DIR}/BmpFuzzer.cpp LIBS vngraphics_checked)
vn_fuzzer(fuzz_png SOURCES ${CMAKE_CURRENT_LIST_DIR}/PngFuzzer.cpp LIBS vngraphics_checked)
vn_fuzzer(fuzz_maskgen_reader SOURCES ${CMAKE_CURRENT_LIST_DIR}/MaskgenReaderFuzzer.cpp
          LIBS vnmask_checked)
