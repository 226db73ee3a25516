#include "midi/SoundWords.h"

std::string SayWith(std::string_view words, std::initializer_list<std::string_view> values) {
    std::string said;
    const std::string_view* next = values.begin();
    size_t from = 0;
    for (size_t at = words.find("%s"); at != std::string_view::npos && next != values.end();
         at = words.find("%s", from)) {
        said.append(words.substr(from, at - from)).append(*next++);
        from = at + 2;
    }
    return said.append(words.substr(from));
}
