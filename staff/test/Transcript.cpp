#include "staff/test/Transcript.h"

#include <cstdio>

namespace {

std::string Numbers(std::initializer_list<long long> values) {
    std::string text;
    for (long long value : values) {
        text += ' ';
        text += std::to_string(value);
    }
    return text;
}

std::string Rect(const CRect& rect) {
    return Numbers({rect.left, rect.top, rect.right, rect.bottom});
}

std::string MessageName(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
            return "down";
        case WM_MOUSEMOVE:
            return "move";
        case WM_LBUTTONUP:
            return "up";
        case WM_PAINT:
            return "paint";
        case WM_ERASEBKGND:
            return "erase";
        default: {
            char hex[16];
            std::snprintf(hex, sizeof(hex), "0x%04x", message);
            return hex;
        }
    }
}

bool IsMouseMessage(UINT message) {
    return message == WM_LBUTTONDOWN || message == WM_MOUSEMOVE || message == WM_LBUTTONUP;
}

}  // namespace

std::string DescribeCall(const LoggedCall& call) {
    using Kind = LoggedCall::Kind;
    switch (call.kind) {
        case Kind::Invalidate:
            return std::string("invalidate") + (call.whole ? "" : Rect(call.rect)) +
                   (call.flag ? " erase" : "");
        case Kind::DefaultProcessing:
            return "default " + MessageName(call.message) +
                   (IsMouseMessage(call.message)
                        ? Numbers({GET_X_LPARAM(call.lParam), GET_Y_LPARAM(call.lParam)})
                        : "");
        case Kind::BeginPaint:
            return "beginpaint" + Rect(call.rect);
        case Kind::EndPaint:
            return "endpaint";
        case Kind::Move:
            return "move" +
                   Numbers({call.rect.left, call.rect.top, call.rect.Width(), call.rect.Height()});
        case Kind::SetText:
            return "text " + call.text;
        case Kind::SetIcon:
            return std::string("icon ") + (call.flag ? "big" : "small");
        case Kind::EndModal:
            return "endmodal" + Numbers({call.value});
        case Kind::MessageBox:
            return "msgbox " + call.text;
        case Kind::Notify: {
            char code[24];
            std::snprintf(code, sizeof(code), "notify 0x%04x", static_cast<unsigned>(call.value));
            return code;
        }
    }
    return "unknown call";
}

std::string DescribeMidiMessage(DWORD message) {
    char text[16];
    std::snprintf(text, sizeof(text), "midi %08x", message);
    return text;
}
