# Writes a C++ source that holds the bytes of INPUT as the body of EmbeddedResourceBytes().
#   cmake -DINPUT=Canzet.res -DOUTPUT=CanzetResData.cpp -P EmbedBytes.cmake
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
# Every byte becomes a \xHH escape; a escape never swallows the next one, which starts
# with a backslash. Eight bytes a line keeps the lines short.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
string(REGEX REPLACE "((\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f])(\\\\x[0-9a-f][0-9a-f]))" "\\1\"\n\"" lines "${escaped}")
file(WRITE "${OUTPUT}.tmp" "// Generated from the compiled resource script; do not edit.
#include \"res/EmbeddedResources.h\"

namespace {
alignas(4) const char kBytes[${byte_count} + 1] =
\"${lines}\";
}  // namespace

std::span<const std::uint8_t> EmbeddedResourceBytes() {
    return {reinterpret_cast<const std::uint8_t*>(kBytes), ${byte_count}};
}
")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
