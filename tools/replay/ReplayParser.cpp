#include "tools/replay/ReplayParser.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <vector>

#include "tools/replay/PrintableText.h"

namespace {

std::vector<std::string_view> SplitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t start = line.find_first_not_of(" \t\r", pos);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(line.find_first_of(" \t\r", start), line.size());
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    return words;
}

// An optional '-' and at least one digit, whatever the value.
bool LooksLikeInteger(std::string_view text) {
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    return !digits.empty() &&
           std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string Quoted(std::string_view text) {
    std::string quoted = "'";
    quoted += PrintableToken(text);
    return quoted += '\'';
}

std::string Join(const std::vector<std::string>& choices) {
    std::string joined;
    for (const std::string& choice : choices) {
        joined += (joined.empty() ? "" : "|") + choice;
    }
    return joined;
}

// Adds the argument to the command, or returns why it cannot be.
std::string TakeArgument(const ArgumentSyntax& syntax, std::string_view text,
                         ReplayCommand& command) {
    switch (syntax.kind) {
        case ArgumentKind::Integer:
        case ArgumentKind::Coordinate: {
            const bool coordinate = syntax.kind == ArgumentKind::Coordinate;
            const int min = coordinate ? SHRT_MIN : INT_MIN;
            const int max = coordinate ? SHRT_MAX : INT_MAX;
            if (!LooksLikeInteger(text)) {
                return syntax.name + " " + Quoted(text) + " is not an integer";
            }
            const std::optional<int> value = ParseStrictInteger(text, min, max);
            if (!value) {
                return syntax.name + " " + Quoted(text) + " is outside " + std::to_string(min) +
                       ".." + std::to_string(max);
            }
            command.numbers.push_back(*value);
            return {};
        }
        case ArgumentKind::Word:
            if (!syntax.choices.empty() && std::find(syntax.choices.begin(), syntax.choices.end(),
                                                     text) == syntax.choices.end()) {
                return syntax.name + " must be " + Join(syntax.choices) + ", not " + Quoted(text);
            }
            command.words.emplace_back(text);
            return {};
    }
    return "unknown argument kind";
}

}  // namespace

std::string Usage(const ReplayCommandDefinition& definition) {
    std::string usage = definition.name;
    for (const ArgumentSyntax& argument : definition.arguments) {
        usage += " " + argument.name;
    }
    return usage;
}

std::optional<int> ParseStrictInteger(std::string_view text, int min, int max) {
    long long value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < min || value > max) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

ParsedLine ParseReplayLine(std::string_view line,
                           std::span<const ReplayCommandDefinition> commands) {
    const std::vector<std::string_view> words = SplitWords(line);
    if (words.empty() || words.front().front() == '#') {
        return {};
    }
    const auto definition =
        std::find_if(commands.begin(), commands.end(),
                     [&](const ReplayCommandDefinition& s) { return s.name == words[0]; });
    if (definition == commands.end()) {
        return {.error = "unknown command " + Quoted(words[0])};
    }
    if (words.size() - 1 != definition->arguments.size()) {
        return {.error = "usage: " + Usage(*definition)};
    }
    ParsedLine parsed{.definition = &*definition, .command = {definition->name, {}, {}}};
    for (std::size_t i = 0; i < definition->arguments.size(); ++i) {
        std::string error = TakeArgument(definition->arguments[i], words[i + 1], parsed.command);
        if (!error.empty()) {
            return {.error = std::move(error)};
        }
    }
    return parsed;
}
