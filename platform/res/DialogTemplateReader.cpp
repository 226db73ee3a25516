#include "platform/res/DialogTemplateReader.h"

#include "platform/res/ByteReader.h"

namespace {

constexpr std::uint32_t kDsSetFont = 0x40;
constexpr std::uint16_t kOrdinalMark = 0xFFFF;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

// A name, an ordinal (0xFFFF then the number) or nothing (a lone zero).
TemplateName ReadNameOrOrdinal(ByteReader& in) {
    TemplateName name;
    const std::size_t start = in.Offset();
    const std::uint16_t first = in.U16();
    if (first == kOrdinalMark) {
        name.isNumber = true;
        name.number = in.U16();
    } else if (first != 0) {
        in.Seek(start);
        name.text = in.Utf16z();
    }
    return name;
}

std::string AtomClassName(std::uint16_t atom) {
    switch (atom) {
        case 0x80:
            return "button";
        case 0x81:
            return "edit";
        case 0x82:
            return "static";
        case 0x83:
            return "listbox";
        case 0x84:
            return "scrollbar";
        case 0x85:
            return "combobox";
        default: {
            // Appended rather than "#" + ...: g++ 12 at -O3 warns falsely about that form.
            std::string name(1, '#');
            return name += std::to_string(atom);
        }
    }
}

// The help id (extended templates only) and the styles, in the order each kind keeps them.
void ReadStyles(ByteReader& in, bool extended, TemplateWindow& window) {
    if (extended) {
        window.helpId = in.U32();
        window.exStyle = in.U32();
        window.style = in.U32();
    } else {
        window.style = in.U32();
        window.exStyle = in.U32();
    }
}

void ReadRect(ByteReader& in, TemplateWindow& window) {
    window.x = in.I16();
    window.y = in.I16();
    window.cx = in.I16();
    window.cy = in.I16();
}

void ReadControlTail(ByteReader& in, DialogControl& control) {
    const TemplateName windowClass = ReadNameOrOrdinal(in);
    if (windowClass.isNumber) {
        control.classAtom = windowClass.number;
        control.className = AtomClassName(windowClass.number);
    } else {
        control.className = windowClass.text;
    }
    control.text = ReadNameOrOrdinal(in);
    const std::uint16_t extraBytes = in.U16();
    const auto extra = in.Bytes(extraBytes);
    control.creationData.assign(extra.begin(), extra.end());
}

}  // namespace

std::optional<DialogTemplate> ReadDialogTemplate(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    DialogTemplate dialog;
    dialog.extended = in.U16() == 1 && in.U16() == kExtendedSignature;
    in.Seek(0);
    if (dialog.extended) {
        in.Skip(4);
    }
    ReadStyles(in, dialog.extended, dialog);
    const std::uint16_t controlCount = in.U16();
    ReadRect(in, dialog);
    dialog.menu = ReadNameOrOrdinal(in);
    dialog.windowClass = ReadNameOrOrdinal(in);
    dialog.caption = in.Utf16z();
    if ((dialog.style & kDsSetFont) != 0) {
        dialog.hasFont = true;
        dialog.font.pointSize = in.U16();
        if (dialog.extended) {
            dialog.font.weight = in.U16();
            dialog.font.italic = in.U8() != 0;
            dialog.font.charset = in.U8();
        }
        dialog.font.face = in.Utf16z();
    }
    for (unsigned i = 0; i < controlCount && in.Ok(); ++i) {
        in.Align(4);
        DialogControl control;
        ReadStyles(in, dialog.extended, control);
        ReadRect(in, control);
        control.id = dialog.extended ? in.I32() : in.I16();
        ReadControlTail(in, control);
        dialog.controls.push_back(std::move(control));
    }
    if (!in.Ok()) {
        return std::nullopt;
    }
    return dialog;
}
