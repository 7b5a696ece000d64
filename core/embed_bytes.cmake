# cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=Symbol -P embed_bytes.cmake
# Writes the bytes of INPUT as `extern const std::string_view NAME`, whatever
# they hold (Windows-1252 bytes included).
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE ${OUTPUT} "// Generated from ${INPUT}; do not edit.\n#include <string_view>\n"
  "namespace { const char bytes[] = {${bytes} 0}; }\n"
  "extern const std::string_view ${NAME}(bytes, ${size});\n")
