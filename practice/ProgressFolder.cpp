#include "practice/ProgressFolder.h"

namespace practice {

std::filesystem::path DefaultProgressFile() {
    const std::filesystem::path folder = ProgressFolder();
    return folder.empty() ? folder : folder / "practice.jsonl";
}

std::filesystem::path ChoicesFileBeside(const std::filesystem::path& progressFile) {
    return progressFile.parent_path() / "practice-choices.json";
}

}  // namespace practice
