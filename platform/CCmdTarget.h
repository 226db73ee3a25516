// The base of every object that receives messages, and the message-map machinery.
//
// A class declares DECLARE_MESSAGE_MAP() and lists its handlers between
// BEGIN_MESSAGE_MAP(Class, Base) and END_MESSAGE_MAP(). Each entry is a small
// function that unpacks wParam/lParam and calls the handler with its own signature,
// so no member-pointer casts are needed; lookups walk the chain to the base's map.
#pragma once

#include "platform/CPoint.h"
#include "platform/WinTypes.h"

class CCmdTarget;
class CDC;

using AFX_PMSG = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;  // 0 ends the table
    UINT nCode;     // notification code of a WM_COMMAND, 0 otherwise
    UINT nID;       // control or command id of a WM_COMMAND, 0 otherwise
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;

    // Finds the entry for a message in this object's map chain; nullptr if none.
    const AFX_MSGMAP_ENTRY* FindMessageEntry(UINT message, UINT code, UINT id) const;

    // Routes a WM_COMMAND id through the map; false when nothing handles it.
    BOOL OnCmdMsg(UINT nID, int nCode);

    static const AFX_MSGMAP* GetThisMessageMap();

  protected:
    virtual const AFX_MSGMAP* GetMessageMap() const;
};

#define DECLARE_MESSAGE_MAP()                     \
  public:                                         \
    static const AFX_MSGMAP* GetThisMessageMap(); \
                                                  \
  protected:                                      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { \
        return GetThisMessageMap();                     \
    }                                                   \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {   \
        using ThisClass [[maybe_unused]] = theClass;    \
        using TheBaseClass = baseClass;                 \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {
#define END_MESSAGE_MAP()                                                                         \
    { 0, 0, 0, nullptr }                                                                          \
    }                                                                                             \
    ;                                                                                             \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                                           \
    }

#define AFX_MSG_ENTRY(message, code, id, body)                                 \
    {message, code, static_cast<UINT>(id),                                     \
     [](CCmdTarget* target_, [[maybe_unused]] WPARAM wParam_,                  \
        [[maybe_unused]] LPARAM lParam_) -> LRESULT {                          \
         [[maybe_unused]] ThisClass* self_ = static_cast<ThisClass*>(target_); \
         body                                                                  \
     }},

#define ON_COMMAND(id, memberFxn) AFX_MSG_ENTRY(WM_COMMAND, 0, id, self_->memberFxn(); return 0;)
// A control's notification `code` in WM_COMMAND, from the control `id`.
#define ON_CONTROL(code, id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, code, id, self_->memberFxn(); return 0;)
#define ON_BN_CLICKED(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, BN_CLICKED, id, self_->memberFxn(); return 0;)
#define ON_CBN_SELCHANGE(id, memberFxn) \
    AFX_MSG_ENTRY(WM_COMMAND, CBN_SELCHANGE, id, self_->memberFxn(); return 0;)
#define ON_WM_PAINT() AFX_MSG_ENTRY(WM_PAINT, 0, 0, self_->OnPaint(); return 0;)
#define ON_WM_ERASEBKGND() \
    AFX_MSG_ENTRY(WM_ERASEBKGND, 0, 0, return self_->OnEraseBkgnd(reinterpret_cast<CDC*>(wParam_));)
// A mouse message: its key flags and the pointer's client point.
#define AFX_MOUSE_ENTRY(message, memberFxn)                                                     \
    AFX_MSG_ENTRY(message, 0, 0, self_->memberFxn(static_cast<UINT>(wParam_), CPoint(lParam_)); \
                  return 0;)
#define ON_WM_LBUTTONDOWN() AFX_MOUSE_ENTRY(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_MOUSE_ENTRY(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_MOUSEMOVE() AFX_MOUSE_ENTRY(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_KEYDOWN()                                                                           \
    AFX_MSG_ENTRY(WM_KEYDOWN, 0, 0,                                                               \
                  self_->OnKeyDown(static_cast<UINT>(wParam_), LOWORD(lParam_), HIWORD(lParam_)); \
                  return 0;)
#define ON_WM_SETFOCUS() AFX_MSG_ENTRY(WM_SETFOCUS, 0, 0, self_->OnSetFocus(nullptr); return 0;)
#define ON_WM_KILLFOCUS() AFX_MSG_ENTRY(WM_KILLFOCUS, 0, 0, self_->OnKillFocus(nullptr); return 0;)
// The key that the dialog asks about travels with WM_GETDLGCODE (0 when it asks in general).
#define ON_WM_GETDLGCODE() \
    AFX_MSG_ENTRY(WM_GETDLGCODE, 0, 0, return self_->OnGetDlgCode(static_cast<UINT>(wParam_));)
#define ON_WM_SYSCOMMAND()                                                                       \
    AFX_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, self_->OnSysCommand(static_cast<UINT>(wParam_), lParam_); \
                  return 0;)
#define ON_WM_QUERYDRAGICON()             \
    AFX_MSG_ENTRY(WM_QUERYDRAGICON, 0, 0, \
                  return reinterpret_cast<LRESULT>(self_->OnQueryDragIcon());)
