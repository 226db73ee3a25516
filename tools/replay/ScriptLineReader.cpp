#include "tools/replay/ScriptLineReader.h"

ScriptLineRead ReadScriptLine(std::istream& in, std::string& line, std::size_t limit) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    bool tooLong = false;
    bool any = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            if (!any) {
                return ScriptLineRead::End;
            }
            break;
        }
        any = true;
        if (c == '\n') {
            break;
        }
        if (line.size() == limit) {
            tooLong = true;
            line.clear();
        }
        if (!tooLong) {
            line.push_back(static_cast<char>(c));
        }
    }
    return tooLong ? ScriptLineRead::TooLong : ScriptLineRead::Line;
}
