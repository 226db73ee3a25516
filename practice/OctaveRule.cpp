#include "practice/OctaveRule.h"

namespace practice {

int JudgedKey(int heardKey, int askedKey, OctaveRule rule) {
    const bool samePitchClass = (heardKey - askedKey) % 12 == 0;
    return rule == OctaveRule::Any && samePitchClass ? askedKey : heardKey;
}

}  // namespace practice
