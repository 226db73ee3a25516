#include "midi/system/SoundLine.h"

namespace {

std::string Either(const std::string& first, const std::string& second, const SoundWords& words) {
    if (first.empty() || second.empty()) {
        return first + second;
    }
    return first + words.either + second;
}

std::string Then(const std::string& line, const std::string& more, const SoundWords& words) {
    return more.empty() ? line : line + words.then + more;
}

}  // namespace

std::string SoundLine(const OutputFacts& synth, const OutputFacts& port, const SoundWords& words) {
    if (!synth.present && !port.present) {
        return words.off;
    }
    if (port.open && port.listened) {
        return Then(SayWith(words.sound, {port.status}), synth.open ? words.synthIdle : "", words);
    }
    if (synth.open) {
        return Then(SayWith(words.sound, {synth.status}), port.present ? port.status : "", words);
    }
    if (port.open && !synth.present) {
        return SayWith(words.untilConnected, {port.status});
    }
    // Nothing sounds now: say why, then what would change that.
    if (port.open) {
        return Then(SayWith(words.noSoundBecause, {synth.status}),
                    SayWith(words.connect, {port.status}), words) +
               (synth.remedy.empty() ? "" : words.either + synth.remedy);
    }
    std::string why = synth.present ? synth.status : "";
    if (port.present) {
        why = synth.present ? why + words.then + port.status : port.status;
    }
    return Then(SayWith(words.noSoundBecause, {why}), Either(synth.remedy, port.remedy, words),
                words);
}
