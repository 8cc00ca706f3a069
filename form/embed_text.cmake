# Writes a C++ source that holds a text file's bytes exactly, CRLF and UTF-8
# included, so that no toolchain's text handling can touch them:
#   cmake -DINPUT=file.txt -DOUTPUT=file.cpp -DFUNCTION=Name -P embed_text.cmake
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
string(REGEX REPLACE "(('[^']*',){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Made by the build from ${INPUT}; edit that file instead.\n"
  "#include <string_view>\n\n"
  "namespace stereona::form {\n\n"
  "namespace {\nconstexpr char kBytes[] = {\n    ${bytes}};\n}  // namespace\n\n"
  "std::string_view ${FUNCTION}() { return {kBytes, sizeof kBytes}; }\n\n"
  "}  // namespace stereona::form\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
