// A history read in the background meets the answers given while it was read.
#pragma once

#include <span>

#include "practice/History.h"

namespace practice {

// The loaded answers, then those of `meanwhile` the load did not read: the file may end with
// the first of them already, appended before the load reached its end.
History Merged(History loaded, std::span<const AnswerRecord> meanwhile);

}  // namespace practice
