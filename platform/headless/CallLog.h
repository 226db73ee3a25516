// The ordered record of what the program asked of a headless window system: redraw
// requests, default processing, paints, moves, texts, icons, modal ends, message boxes.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/CRect.h"
#include "platform/WinTypes.h"

class WindowPeer;

struct LoggedCall {
    enum class Kind {
        Invalidate,         // rect (whole: the client area), flag: erase
        DefaultProcessing,  // message, wParam, lParam
        BeginPaint,         // rect: the part to renew
        EndPaint,
        Move,        // rect: left, top, left + width, top + height; flag: repaint
        SetText,     // text
        SetIcon,     // icon, flag: big
        EndModal,    // value: the result
        MessageBox,  // text, value: the type
        Notify,      // value: the notification code sent to the parent
    };

    Kind kind;
    const WindowPeer* window = nullptr;  // nullptr for application-wide calls
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    CRect rect{};
    bool whole = false;
    BOOL flag = FALSE;
    int value = 0;
    HICON icon = nullptr;
    std::string text{};
};

class CallLog {
  public:
    void Add(LoggedCall call);
    const std::vector<LoggedCall>& Calls() const { return m_calls; }
    int CountOf(LoggedCall::Kind kind) const;
    void Clear() { m_calls.clear(); }

    // Told of every call as it is logged.
    void SetListener(std::function<void(const LoggedCall&)> listener) {
        m_listener = std::move(listener);
    }

  private:
    std::vector<LoggedCall> m_calls;
    std::function<void(const LoggedCall&)> m_listener;
};
