# Turns a file into a C++ source holding its bytes, so the logic library carries the
# puzzle texts without reading any file at run time.
# Usage: cmake -DINPUT=file -DOUTPUT=file.cpp -DNAME=symbol -P Embed.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexlen)
math(EXPR size "${hexlen} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
file(WRITE "${OUTPUT}"
"// Generated from ${INPUT}; do not edit.\n"
"#include <string_view>\n"
"namespace ninebox::embedded {\n"
"static const char data[] = {${bytes} 0};\n"
"extern const std::string_view ${NAME}(data, ${size});\n"
"}\n")
