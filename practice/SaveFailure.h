// Why an answer could not be saved, for the owner to tell the learner in their language.
#pragma once

#include <filesystem>
#include <span>
#include <string>

namespace practice {

enum class SaveProblem { NoPermission, DiskFull, NotAFile, Other };

struct SaveFailure {
    std::filesystem::path file;
    SaveProblem problem = SaveProblem::Other;
    std::string detail;  // the system's own words, in English
};

// One of a system's error numbers and the problem it means.
struct SystemError {
    unsigned long error;
    SaveProblem problem;
};

// The problem that `error` means by a system's table of them; Other when it is not there.
inline SaveProblem ProblemOf(unsigned long error, std::span<const SystemError> known) {
    for (const SystemError& k : known) {
        if (k.error == error) {
            return k.problem;
        }
    }
    return SaveProblem::Other;
}

}  // namespace practice
