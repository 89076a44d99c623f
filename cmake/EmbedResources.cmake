# Writes a C++ source that holds the given files as byte arrays, for
# CResourceStore. Run as: cmake -DOUTPUT=file.cpp -DINPUTS=a|b|c -P EmbedResources.cmake
# (the files are separated by | because a semicolon would split the argument).
string(REPLACE "|" ";" INPUTS "${INPUTS}")
set(body "// Generated from res/ by cmake/EmbedResources.cmake; do not edit.\n")
string(APPEND body "#include \"app/core/picture/resourcestore.h\"\n\nnamespace {\n")
set(entries "")
set(index 0)
foreach(input IN LISTS INPUTS)
  get_filename_component(name "${input}" NAME_WE)
  file(READ "${input}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  # Break the long line every 24 bytes so compilers and editors cope.
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){24})" "\\1\n" bytes "${bytes}")
  string(APPEND body "const uint8_t kData${index}[] = {\n${bytes}\n};\n")
  string(APPEND entries "    {\"${name}\", kData${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
string(APPEND body "}  // namespace\n\n")
string(APPEND body "const CResourceStore::Entry CResourceStore::kEntries[] = {\n${entries}};\n")
string(APPEND body "const int CResourceStore::kEntryCount = ${index};\n")
file(WRITE "${OUTPUT}" "${body}")
