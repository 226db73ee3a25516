// Reads a script one line at a time, never holding more of a line than the limit.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

// A line longer than this many bytes is not a command, whatever it holds.
constexpr std::size_t kMaxScriptLineBytes = 1 << 20;

enum class ScriptLineRead { Line, TooLong, End };

// The next line, without its '\n', into `line`. A line over `limit` bytes is skipped to
// its end and reported as TooLong; End comes after the last line, ended by '\n' or not.
ScriptLineRead ReadScriptLine(std::istream& in, std::string& line,
                              std::size_t limit = kMaxScriptLineBytes);
