// Writes the program's pictures and icon into a folder:
//   canzet-resgen OUT_DIR
// The output is deterministic; the committed copies under res/ are checked against it.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "tools/bmp/BmpFile.h"
#include "tools/resgen/AccidentalBitmaps.h"
#include "tools/resgen/IcoFile.h"
#include "tools/resgen/IconPicture.h"
#include "tools/resgen/NoteBitmaps.h"
#include "tools/resgen/StaffPicture.h"

namespace {

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "canzet-resgen: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: canzet-resgen OUT_DIR\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    if (error) {
        std::fprintf(stderr, "canzet-resgen: cannot create %s: %s\n", argv[1],
                     error.message().c_str());
        return 1;
    }
    const NoteBitmaps notes = DrawNoteBitmaps();
    const NoteBitmaps doubleNotes = DrawDoubleNoteBitmaps();
    bool ok =
        WriteFile(dir / "StaffTreble.bmp", EncodeBmp24(DrawStaffPicture(Clef::kTreble))) &&
        WriteFile(dir / "StaffBass.bmp", EncodeBmp24(DrawStaffPicture(Clef::kBass))) &&
        WriteFile(dir / "Note.bmp", EncodeBmp24(notes.glyph)) &&
        WriteFile(dir / "NoteSelected.bmp", EncodeBmp24(notes.selected)) &&
        WriteFile(dir / "NoteMask.bmp", EncodeBmp24(notes.mask)) &&
        WriteFile(dir / "Canzet.ico", EncodeIco16({DrawIconImage(32), DrawIconImage(16)})) &&
        WriteFile(dir / "StaffTreble@2x.bmp", EncodeBmp24(DrawStaffPicture(Clef::kTreble, 2))) &&
        WriteFile(dir / "StaffBass@2x.bmp", EncodeBmp24(DrawStaffPicture(Clef::kBass, 2))) &&
        WriteFile(dir / "Note@2x.bmp", EncodeBmp24(doubleNotes.glyph)) &&
        WriteFile(dir / "NoteSelected@2x.bmp", EncodeBmp24(doubleNotes.selected)) &&
        WriteFile(dir / "NoteMask@2x.bmp", EncodeBmp24(doubleNotes.mask)) &&
        WriteFile(dir / "NoteRight.bmp", EncodeBmp24(notes.right)) &&
        WriteFile(dir / "NoteRight@2x.bmp", EncodeBmp24(doubleNotes.right));
    const struct {
        Sign sign;
        const char* name;
    } signs[] = {{Sign::kSharp, "Sharp"}, {Sign::kFlat, "Flat"}, {Sign::kNatural, "Natural"}};
    for (const auto& [sign, name] : signs) {
        for (const int scale : {1, 2}) {
            const NoteBitmaps pictures = DrawSignBitmaps(sign, scale);
            const std::string suffix = scale == 2 ? "@2x.bmp" : ".bmp";
            ok = ok && WriteFile(dir / (name + suffix), EncodeBmp24(pictures.glyph)) &&
                 WriteFile(dir / (name + ("Selected" + suffix)), EncodeBmp24(pictures.selected)) &&
                 WriteFile(dir / (name + ("Mask" + suffix)), EncodeBmp24(pictures.mask));
        }
    }
    // Room for four ledger lines each way, in every clef, at both sizes.
    constexpr int kTallLedgerLines = 4;
    const std::pair<Clef, const char*> tallClefs[] = {{Clef::kTreble, "Treble"},
                                                      {Clef::kBass, "Bass"},
                                                      {Clef::kAlto, "Alto"},
                                                      {Clef::kTenor, "Tenor"}};
    for (const auto& [clef, name] : tallClefs) {
        for (const int scale : {1, 2}) {
            const std::string file = std::string("StaffTall") + name + (scale == 2 ? "@2x" : "");
            ok = ok && WriteFile(dir / (file + ".bmp"),
                                 EncodeBmp24(DrawStaffPicture(clef, scale, kTallLedgerLines)));
        }
    }
    // The desktop's icon theme wants larger sizes than the program's own icon holds.
    for (int size : kLargeIconSizes) {
        ok = ok && WriteFile(dir / ("Canzet-" + std::to_string(size) + ".bmp"),
                             EncodeBmp24(DrawLargeIcon(size)));
    }
    const std::string svg = IconSvg();
    ok = ok && WriteFile(dir / "Canzet.svg", std::vector<std::uint8_t>(svg.begin(), svg.end()));
    return ok ? 0 : 1;
}
