// canzet-replay's `paint FILE`: the picture file's bytes, and the real tool driven by a
// script, its BMP decoded here and compared with the expected frame.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "PixelCheck.h"
#include "StaffReference.h"
#include "platform/Surface.h"
#include "tools/bmp/BmpFile.h"

namespace {

namespace fs = std::filesystem;
using paint_test::ExpectedFrame;
using paint_test::LoadStaffPictures;
using paint_test::SameSurface;

TEST(BmpEncoding, WritesHeadersThenPaddedRowsBottomUpInBlueGreenRed) {
    Surface surface(2, 3);
    surface.SetPixel(0, 0, 0x010203);
    surface.SetPixel(1, 0, 0x040506);
    surface.SetPixel(0, 1, 0x070809);
    surface.SetPixel(1, 1, 0x0A0B0C);
    surface.SetPixel(0, 2, 0x0D0E0F);
    surface.SetPixel(1, 2, 0x101112);
    const std::vector<std::uint8_t> expected = {
        'B',  'M',  78,   0,    0,    0,    0, 0, 0,  0, 54, 0,
        0,    0,                                                 // file: size 54 + 3 * 8, offset 54
        40,   0,    0,    0,    2,    0,    0, 0, 3,  0, 0,  0,  // info: size, width, height
        1,    0,    24,   0,    0,    0,    0, 0, 24, 0, 0,  0,  // planes, bits, BI_RGB, image size
        0x13, 0x0B, 0,    0,    0x13, 0x0B, 0, 0,                // 2835 pixels a metre
        0,    0,    0,    0,    0,    0,    0, 0,                // no colour table
        0x0F, 0x0E, 0x0D, 0x12, 0x11, 0x10, 0, 0,                // bottom row first, padded to 8
        0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A, 0, 0,                //
        0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0};
    EXPECT_EQ(EncodeBmp24(surface), expected);
}

// Reads a 24-bit bottom-up BMP as the tests expect the tool to write it.
Surface DecodeBmp24(const std::vector<std::uint8_t>& bytes) {
    auto at32 = [&](std::size_t i) {
        return static_cast<std::uint32_t>(bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 |
                                          bytes[i + 3] << 24);
    };
    if (bytes.size() < 54 || bytes[0] != 'B' || bytes[1] != 'M' || at32(10) != 54 ||
        at32(14) != 40 || bytes[28] != 24 || at32(30) != 0) {
        return Surface();
    }
    const int width = static_cast<int>(at32(18));
    const int height = static_cast<int>(at32(22));
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    if (width <= 0 || height <= 0 || bytes.size() != 54 + stride * height) {
        return Surface();
    }
    Surface surface(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* row = bytes.data() + 54 + stride * (height - 1 - y);
        for (int x = 0; x < width; ++x) {
            surface.SetPixel(x, y, RgbPixel(row[3 * x + 2], row[3 * x + 1], row[3 * x]));
        }
    }
    return surface;
}

class ReplayTool : public ::testing::Test {
  protected:
    void SetUp() override {
        char pattern[] = "/tmp/canzet-paint-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override { fs::remove_all(m_dir); }

    // Runs the tool on `script`; returns its exit status.
    int Run(const std::string& script, const std::string& runAs = "") {
        std::ofstream(m_dir / "script") << script;
        const std::string command =
            runAs + "'" + CANZET_REPLAY + "' < '" + (m_dir / "script").string() + "' > '" +
            (m_dir / "out").string() + "' 2> '" + (m_dir / "err").string() + "'";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::vector<std::uint8_t> Bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::string Text(const char* name) {
        const std::vector<std::uint8_t> bytes = Bytes(m_dir / name);
        return {bytes.begin(), bytes.end()};
    }

    fs::path m_dir;
};

TEST_F(ReplayTool, PaintWritesWhatTheScreenShows) {
    const std::string before = (m_dir / "before.bmp").string();
    const std::string during = (m_dir / "during.bmp").string();
    const std::string after = (m_dir / "after.bmp").string();
    ASSERT_EQ(Run("paint " + before + "\ndown 200 90\nmove 215 130\npaint " + during +
                  "\nup 215 130\npaint " + after + "\n"),
              0)
        << Text("err");

    const paint_test::StaffPictures pictures = LoadStaffPictures(true);
    const Surface shownBefore = DecodeBmp24(Bytes(before));
    ASSERT_EQ(shownBefore.Width(), 600);
    ASSERT_EQ(shownBefore.Height(), 160);
    EXPECT_TRUE(SameSurface(shownBefore, pictures.staff));
    EXPECT_TRUE(
        SameSurface(DecodeBmp24(Bytes(during)), ExpectedFrame(pictures, {{215, 123, true}})));
    EXPECT_TRUE(
        SameSurface(DecodeBmp24(Bytes(after)), ExpectedFrame(pictures, {{215, 123, false}})));
    EXPECT_NE(Text("out").find("beginpaint 0 0 600 160\nendpaint\n"), std::string::npos)
        << "a whole repaint, seen in the transcript";
    EXPECT_FALSE(fs::exists(after + ".partial"));
}

TEST_F(ReplayTool, AFileThatCannotBeWrittenIsReportedAndFailsTheRun) {
    const fs::path missing = m_dir / "no-such-folder" / "frame.bmp";
    EXPECT_EQ(Run("paint " + missing.string() + "\n"), 1);
    EXPECT_NE(Text("err").find("cannot write " + missing.string()), std::string::npos)
        << Text("err");
    EXPECT_FALSE(fs::exists(missing));
}

constexpr std::size_t kPictureBytes = 54 + 1800 * 160;

TEST_F(ReplayTool, PaintWritesThroughAFifoAndADeviceInPlace) {
    const fs::path fifo = m_dir / "fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::size_t received = 0;
    std::thread reader([&] {
        std::ifstream in(fifo, std::ios::binary);
        received = std::distance(std::istreambuf_iterator<char>(in), {});
    });
    const int status = Run("paint " + fifo.string() + "\n");
    reader.join();
    EXPECT_EQ(status, 0) << Text("err");
    EXPECT_EQ(received, kPictureBytes);
    EXPECT_TRUE(fs::is_fifo(fifo));

    // A full device refuses the bytes and stays a device.
    EXPECT_EQ(Run("\npaint /dev/full\n"), 1);
    EXPECT_EQ(Text("err"), "error 2: cannot write /dev/full: No space left on device\n");
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}

TEST_F(ReplayTool, PaintFollowsASymlinkAndReplacesTheFileItNames) {
    std::ofstream(m_dir / "picture.bmp") << "old";
    fs::create_symlink("picture.bmp", m_dir / "link.bmp");
    ASSERT_EQ(Run("paint " + (m_dir / "link.bmp").string() + "\n"), 0) << Text("err");
    EXPECT_TRUE(fs::is_symlink(m_dir / "link.bmp"));
    EXPECT_EQ(Bytes(m_dir / "picture.bmp").size(), kPictureBytes);
    EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), {}), 5) << "script, out, err, two";
}

TEST_F(ReplayTool, AReadOnlyFileIsLeftAsItWasAndTheLineNamed) {
    const fs::path file = m_dir / "kept.bmp";
    std::ofstream(file) << "old";
    fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    // Root may write anything, so as root the tool runs as nobody.
    fs::permissions(m_dir, fs::perms::all);
    const std::string as =
        geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
    EXPECT_EQ(Run("# frame\npaint " + file.string() + "\n", as), 1);
    EXPECT_EQ(Text("err"), "error 2: cannot write " + file.string() + ": Permission denied\n");
    EXPECT_EQ(Text("kept.bmp"), "old");
}

}  // namespace
