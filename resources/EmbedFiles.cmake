# Writes a C++ source with the bytes of the given files, so the programs
# carry their icons inside themselves. Run with
#   cmake -DOUTPUT=file.cpp -DFILES=a.png|b.png -P EmbedFiles.cmake
# (the file list is separated by "|"). The table is sorted by file name.
string(REPLACE "|" ";" files "${FILES}")
list(SORT files)
set(body "// Made by EmbedFiles.cmake from resources/icons; do not edit.\n")
string(APPEND body "#include \"resources/private/EmbeddedFiles.h\"\n\nnamespace resources::detail {\n\nnamespace {\n")
set(table "")
set(index 0)
foreach(file ${files})
  get_filename_component(name "${file}" NAME)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" digits)
  math(EXPR size "${digits} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Sixteen bytes a line.
  string(REPEAT "0x..," 16 line)
  string(REGEX REPLACE "(${line})" "\\1\n    " bytes "${bytes}")
  string(APPEND body "const unsigned char file${index}[] = {\n    ${bytes}\n};\n")
  string(APPEND table "    {\"${name}\", file${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
# The last entry only ends the table (and keeps it valid when empty).
string(APPEND body "\n} // namespace\n\nconst EmbeddedFile kEmbeddedFiles[] = {\n${table}    {nullptr, nullptr, 0},\n};\n")
string(APPEND body "const std::size_t kEmbeddedFileCount = ${index};\n\n} // namespace resources::detail\n")
# Rewritten only when the contents change, so nothing rebuilds needlessly.
file(WRITE "${OUTPUT}.tmp" "${body}")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
