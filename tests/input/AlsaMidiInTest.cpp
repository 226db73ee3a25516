// Against the real ALSA sequencer; skipped where the machine has none (no /dev/snd/seq).
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "input/midi/alsa/AlsaMidiIn.h"
#include "midi/alsa/AlsaSequencerDevice.h"

namespace {

class Heard : public input::midi::MidiInSink {
  public:
    void KeyPlayed(const input::KeyEvent& event) override {
        Add((event.down ? "+" : "-") + std::to_string(event.key));
    }
    void KeyboardCame(const std::string& name) override { Add("came " + name); }
    void KeyboardWent(const std::string& name) override { Add("went " + name); }

    // What was heard once `count` things were, or within two seconds.
    std::vector<std::string> Wait(std::size_t count) {
        std::unique_lock lock(m_mutex);
        m_changed.wait_for(lock, std::chrono::seconds(2), [&] { return m_heard.size() >= count; });
        return m_heard;
    }

  private:
    void Add(std::string what) {
        std::lock_guard lock(m_mutex);
        m_heard.push_back(std::move(what));
        m_changed.notify_all();
    }
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<std::string> m_heard;
};

// A keyboard of the test's own comes, plays and goes; Canzet's output port, open in the same
// process, is never taken for one.
TEST(AlsaMidiIn, SubscribesToAKeyboardAndNotToCanzetsOwnPort) {
    snd_seq_t* keyboard = nullptr;
    if (snd_seq_open(&keyboard, "default", SND_SEQ_OPEN_OUTPUT, 0) < 0) {
        GTEST_SKIP() << "no ALSA sequencer on this machine";
    }
    AlsaSequencerDevice output;
    ASSERT_EQ(output.Open(), MMSYSERR_NOERROR);
    Heard heard;
    input::midi::AlsaMidiIn in(heard);
    ASSERT_TRUE(in.Open());

    snd_seq_set_client_name(keyboard, "test-keyboard");
    const int port = snd_seq_create_simple_port(keyboard, "keys",
                                                SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                                SND_SEQ_PORT_TYPE_MIDI_GENERIC);
    const std::string name =
        "keys (" + std::to_string(snd_seq_client_id(keyboard)) + ":" + std::to_string(port) + ")";
    ASSERT_EQ(heard.Wait(1), std::vector<std::string>{"came " + name});
    snd_seq_event_t event{};
    snd_seq_ev_set_source(&event, port);
    snd_seq_ev_set_subs(&event);
    snd_seq_ev_set_direct(&event);
    snd_seq_ev_set_noteon(&event, 0, 60, 80);
    snd_seq_event_output_direct(keyboard, &event);
    snd_seq_ev_set_noteon(&event, 0, 60, 0);
    snd_seq_event_output_direct(keyboard, &event);
    snd_seq_close(keyboard);
    EXPECT_EQ(heard.Wait(4),
              (std::vector<std::string>{"came " + name, "+60", "-60", "went " + name}));
}

}  // namespace
