#include "midi/system/SoundLine.h"

namespace {

std::string Either(const std::string& first, const std::string& second) {
    if (first.empty() || second.empty()) {
        return first + second;
    }
    return first + " or " + second;
}

std::string Then(const std::string& line, const std::string& more) {
    return more.empty() ? line : line + "; " + more;
}

}  // namespace

std::string SoundLine(const OutputFacts& synth, const OutputFacts& port) {
    if (!synth.present && !port.present) {
        return "sound: off";
    }
    if (port.open && port.listened) {
        return Then("sound: " + port.status, synth.open ? "built-in synth idle" : "");
    }
    if (synth.open) {
        return Then("sound: " + synth.status, port.present ? port.status : "");
    }
    if (port.open && !synth.present) {
        return "no sound until a synth is connected to " + port.status;
    }
    // Nothing sounds now: say why, then what would change that.
    std::string line = "no sound";
    if (synth.present) {
        line += ": " + synth.status;
    }
    if (port.open) {
        return Then(line, "connect a synth to " + port.status) +
               (synth.remedy.empty() ? "" : " or " + synth.remedy);
    }
    if (port.present) {
        line += (synth.present ? "; " : ": ") + port.status;
    }
    return Then(line, Either(synth.remedy, port.remedy));
}
