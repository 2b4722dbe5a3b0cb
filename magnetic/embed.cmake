# Turns one coefficient file into a C++ source that holds its bytes, so that the models
# are part of the library and no path at run time can be wrong or missing.
# cmake -DINPUT=file -DOUTPUT=source.cpp -DSYMBOL=name -P embed.cmake
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," array "${bytes}")
# Sixteen bytes a line keep the generated file readable in a debugger.
string(REGEX REPLACE "(('[^']+',){16})" "\\1\n    " array "${array}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; do not edit.\n"
  "#include <cstddef>\n"
  "namespace magnetic::embedded {\n"
  "extern const char ${SYMBOL}[];\n"
  "extern const std::size_t ${SYMBOL}Size;\n"
  "const char ${SYMBOL}[] = {\n    ${array}'\\0' };\n"
  "const std::size_t ${SYMBOL}Size = ${size};\n"
  "} // namespace magnetic::embedded\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
