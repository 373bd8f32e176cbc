# Writes a C++ source that holds the bytes of INPUT as a NUL-terminated text,
# returned by `const char* FUNCTION()`. Run with cmake -P at build time, so an
# edited template is embedded again on the next build.
file(READ "${INPUT}" bytes HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${bytes}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)"
       "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; edit that file, not this one.\n"
"#include \"resources/${FUNCTION}.h\"\n\n"
"namespace {\nconst char text[] = {\n    ${bytes}0x00};\n}\n\n"
"const char* ${FUNCTION}() { return text; }\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
