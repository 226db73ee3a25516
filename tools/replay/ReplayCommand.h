// What a replay command looks like and what runs it. A command is a name followed by a
// fixed list of arguments, separated by blanks.
#pragma once

#include <functional>
#include <string>
#include <vector>

class ReplaySession;

enum class ArgumentKind {
    Integer,     // any int
    Coordinate,  // what a mouse message carries: -32768 to 32767
    Word,        // one of `choices`, or anything when there are none
};

struct ArgumentSyntax {
    ArgumentKind kind;
    std::string name;  // for error messages
    std::vector<std::string> choices{};
};

// A parsed command: its integer arguments and its words, each in the order they came.
struct ReplayCommand {
    std::string name;
    std::vector<int> numbers;
    std::vector<std::string> words;
};

struct ReplayCommandDefinition {
    std::string name;
    std::vector<ArgumentSyntax> arguments;
    std::function<void(ReplaySession&, const ReplayCommand&)> run;
};
