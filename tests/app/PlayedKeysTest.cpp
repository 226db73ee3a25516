// Where played keys go on the window's thread: the window on top, each press once.
#include <gtest/gtest.h>

#include <string>

#include "app/PlayedKeys.h"

namespace {

struct Heard : input::KeyListener {
    void KeyChanged(const input::KeyEvent& event) override {
        keys += (event.down ? "+" : "-") + std::to_string(event.key) + " ";
    }
    std::string keys;
};

// A keyboard heard through two systems sends each message twice; one that goes while a key
// is held never lets it up.
TEST(PlayedKeys, TheTopListenerHearsEachPressOnce) {
    CPlayedKeys played;
    played.SetEcho(false);
    Heard main, practice;
    played.Listen(main);
    played.Listen(practice);
    for (const bool down : {true, true, false, false}) {
        played.KeyChanged({.key = 60, .down = down});
    }
    played.KeyChanged({.key = 62, .down = true});
    played.StopListening(practice);
    played.KeyboardWent("keys");
    played.KeyChanged({.key = 62, .down = true});
    EXPECT_EQ(practice.keys, "+60 -60 +62 ");
    EXPECT_EQ(main.keys, "+62 ");
}

}  // namespace
