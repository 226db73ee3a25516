// Listens to the microphone on a thread of its own ("canzet-listen"): the detector and the
// acceptance rules run there, and only what the window needs is handed to its thread
// through `post`: each accepted note as a key that started, timed to its onset on the
// steady clock, the level and pitch for drawing at most 30 times a second, and a problem
// with the device once. Nothing heard is kept.
#pragma once

#include <functional>
#include <memory>

#include "input/KeyInput.h"
#include "input/microphone/AudioCapture.h"
#include "input/pitch/ListenSettings.h"

namespace input {

struct HeardLevel {
    double levelDb = -120;
    double hz = 0;  // 0 when no confident pitch
};

struct MicrophoneSinks {
    // Runs a function on the window's thread; callable from any thread.
    std::function<void(std::function<void()>)> post;
    std::function<void(const KeyEvent&)> key;
    std::function<void(const HeardLevel&)> level;
    std::function<void(const CaptureStatus&)> problem;
};

class MicrophoneListener {
  public:
    static constexpr int kSampleRate = 48000;

    MicrophoneListener(std::unique_ptr<AudioCapture> capture, const ListenSettings& settings,
                       MicrophoneSinks sinks);
    // Stops listening. Nothing posted reaches the sinks after this, and the window's
    // thread waits at most a moment: a device that delivers nothing more (a hung server)
    // leaves its thread to end on its own.
    ~MicrophoneListener();

    // Opens the device and starts the thread; a device that cannot be opened is told
    // through `problem` (posted) and false returned.
    bool Start();

    struct Shared;

  private:
    std::shared_ptr<Shared> m_shared;  // the thread's too, for as long as it runs
};

}  // namespace input
