// Tests of the real devices, which need the General MIDI soundfont the program opens unless
// told otherwise; they skip on a machine without one.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

inline const std::filesystem::path kSoundfont = "/usr/share/sounds/sf2/default-GM.sf2";

class WithSoundfont : public testing::Test {
  protected:
    void SetUp() override {
        if (!std::filesystem::exists(kSoundfont)) {
            GTEST_SKIP() << "no General MIDI soundfont installed";
        }
    }
};
