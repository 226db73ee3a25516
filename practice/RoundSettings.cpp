#include "practice/RoundSettings.h"

namespace practice {

bool RoundSettings::Valid() const {
    return kLowestStep <= lowStep && lowStep <= highStep && highStep <= kHighestStep &&
           count >= kEndless &&
           ((key >= -staff::kMaxSignature && key <= staff::kMaxSignature) || key == kRandomKey);
}

}  // namespace practice
