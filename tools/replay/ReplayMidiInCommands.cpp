#include "tools/replay/ReplayMidiInCommands.h"

#include <memory>
#include <optional>
#include <string_view>

#include "input/midi/MidiInDecoder.h"
#include "tools/replay/ReplaySession.h"
#include "tools/replay/ScriptError.h"

namespace {

std::optional<std::vector<unsigned char>> ParseHex(std::string_view text) {
    if (text.empty() || text.size() % 2 != 0) {
        return std::nullopt;
    }
    const auto digit = [](char c) {
        const std::string_view digits = "0123456789abcdef";
        const auto at = digits.find(static_cast<char>(c | 0x20));
        return at == std::string_view::npos ? -1 : static_cast<int>(at);
    };
    std::vector<unsigned char> bytes;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        const int high = digit(text[i]);
        const int low = digit(text[i + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<unsigned char>(high << 4 | low));
    }
    return bytes;
}

// One keyboard's bytes go on from line to line, running status included.
class MidiInReplay {
  public:
    explicit MidiInReplay(ScriptError fail) : m_fail(fail) {}

    void Receive(ReplaySession& session, std::string_view hex) {
        const auto bytes = ParseHex(hex);
        if (!bytes) {
            m_fail(session, "HEX is a MIDI message as pairs of hex digits");
            return;
        }
        bool stray = false;
        for (const unsigned char byte : *bytes) {
            const input::midi::MidiInDecoder::Result result = m_decoder.Feed(byte);
            stray = stray || result.stray;
            if (result.key) {
                Played(session, result.key->key, result.key->down);
            }
        }
        if (stray) {
            m_fail(session, "a data byte with no status byte before it");
        } else if (m_decoder.Partial()) {
            m_decoder.Reset();
            m_fail(session, "the message ends before its data bytes");
        }
    }

    void SetEcho(bool echo) { m_echo = echo; }

  private:
    // As the program does: the echo, then the round's answer or the main staff's move.
    void Played(ReplaySession& session, int key, bool down) {
        if (down) {
            session.Out() << "played " << key << '\n' << std::flush;
        }
        if (m_echo) {
            session.Staff().EchoKey(key, down);
        }
        if (!down) {
            return;
        }
        ReplayPractice& practice = session.Practice();
        practice::PracticeRound* round = practice.Round();
        if (round == nullptr) {
            session.Staff().PlaceKey(key);
            return;
        }
        if (round->State() != practice::RoundState::Asking) {
            return;
        }
        if (round->Current().drill != practice::Drill::Read) {
            session.Staff().PlaceKey(key);
        }
        round->AnswerKey(key, practice.NowMs());
    }

    input::midi::MidiInDecoder m_decoder;
    bool m_echo = true;
    ScriptError m_fail;
};

}  // namespace

std::vector<ReplayCommandDefinition> MidiInCommands(bool& failed, const long& lineNumber) {
    const auto replay = std::make_shared<MidiInReplay>(ScriptError(failed, lineNumber));
    return {
        {"midiin",
         {{ArgumentKind::Word, "HEX"}},
         [replay](ReplaySession& session, const ReplayCommand& c) {
             replay->Receive(session, c.words[0]);
         }},
        {"midiecho",
         {{ArgumentKind::Word, "ECHO", {"on", "off"}}},
         [replay](ReplaySession&, const ReplayCommand& c) { replay->SetEcho(c.words[0] == "on"); }},
    };
}
