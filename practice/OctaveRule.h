// Answers sung or played into a microphone may be judged by pitch class alone: a man
// singing a treble-clef note sings it an octave or two below, and is right.
#pragma once

namespace practice {

enum class OctaveRule { Exact, Any };

// The key to judge a heard key by: under Any, the asked key itself when the heard one is
// the same note in another octave; otherwise the key as heard.
int JudgedKey(int heardKey, int askedKey, OctaveRule rule);

}  // namespace practice
