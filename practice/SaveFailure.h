// Why an answer could not be saved, for the owner to tell the learner in their language.
#pragma once

#include <filesystem>
#include <string>

namespace practice {

enum class SaveProblem { NoPermission, DiskFull, NotAFile, Other };

struct SaveFailure {
    std::filesystem::path file;
    SaveProblem problem = SaveProblem::Other;
    std::string detail;  // the system's own words, in English
};

}  // namespace practice
