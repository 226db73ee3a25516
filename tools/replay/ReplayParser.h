// Turns one script line into a command, or into the reason it is malformed. Blank lines
// and lines whose first non-blank character is '#' are neither.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "tools/replay/ReplayCommand.h"

struct ParsedLine {
    const ReplayCommandDefinition* definition = nullptr;  // what runs the command; nullptr if none
    ReplayCommand command{};
    std::string error{};  // empty unless the line is malformed
};

ParsedLine ParseReplayLine(std::string_view line,
                           std::span<const ReplayCommandDefinition> commands);

// The command's name and the names of its arguments: "down X Y".
std::string Usage(const ReplayCommandDefinition& definition);

// A decimal integer with an optional leading '-', nothing else, within [min, max].
std::optional<int> ParseStrictInteger(std::string_view text, int min, int max);
