#include "practice/HistoryMerge.h"

#include <algorithm>

namespace practice {

History Merged(History loaded, std::span<const AnswerRecord> meanwhile) {
    const auto& answers = loaded.Answers();
    std::size_t read = std::min(meanwhile.size(), answers.size());
    for (; read > 0; --read) {
        if (std::equal(answers.end() - static_cast<std::ptrdiff_t>(read), answers.end(),
                       meanwhile.begin())) {
            break;
        }
    }
    loaded.Reserve(answers.size() + meanwhile.size() - read);
    for (const AnswerRecord& answer : meanwhile.subspan(read)) {
        loaded.Add(answer);
    }
    return loaded;
}

}  // namespace practice
