#include "app/desktop/DisplayCheck.h"

#include <array>
#include <utility>

#include "app/desktop/IsSet.h"

namespace {

// The toolkit's option `name` ("-display") as the toolkit reads it: "-display VALUE" or
// "--display VALUE", the last one winning; nullptr without one.
const char* ToolkitOption(const std::vector<std::string>& arguments, std::string_view name) {
    const char* value = nullptr;
    for (size_t i = 1; i + 1 < arguments.size(); ++i) {
        std::string_view option = arguments[i];
        if (option.starts_with("--")) {
            option.remove_prefix(1);
        }
        if (option == name) {
            value = arguments[++i].c_str();
        }
    }
    return value;
}

// Each way of naming the display, as the messages spell it, with its value.
std::array<std::pair<const char*, const char*>, 5> Choosers(const DisplayChoice& choice) {
    return {{{"DISPLAY=", choice.display},
             {"WAYLAND_DISPLAY=", choice.waylandDisplay},
             {"QT_QPA_PLATFORM=", choice.qtPlatform},
             {"-display ", ToolkitOption(choice.toolkitArguments, "-display")},
             {"-platform ", ToolkitOption(choice.toolkitArguments, "-platform")}}};
}

}  // namespace

bool HasDisplay(const DisplayChoice& choice) {
    for (const auto& [spelling, value] : Choosers(choice)) {
        if (IsSet(value)) {
            return true;
        }
    }
    return false;
}

std::string CannotOpenDisplayMessage(const DisplayChoice& choice,
                                     std::string_view toolkitLastLine) {
    std::string chosenBy;
    for (const auto& [spelling, value] : Choosers(choice)) {
        if (IsSet(value)) {
            chosenBy += (chosenBy.empty() ? "" : ", ") + std::string(spelling) + value;
        }
    }
    const bool platformNamed =
        IsSet(choice.qtPlatform) || IsSet(ToolkitOption(choice.toolkitArguments, "-platform"));
    return (platformNamed ? std::string(toolkitLastLine) + "\n" : "") +
           "canzet: cannot open the display (" + chosenBy + "); is the graphical session running?";
}
