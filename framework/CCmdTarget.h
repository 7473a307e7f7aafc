#pragma once

#include <windows.h>

class CCmdTarget;

// The one message that stands for all WM_CTLCOLORxxx in a message map.
constexpr UINT WM_CTLCOLOR = 0x0019;

// One line of a message map: a window message, or WM_COMMAND with a notification code and an
// id, and the thunk that calls the handler with the message's own arguments.
struct MessageMapEntry {
    UINT message;
    UINT code;
    UINT id;
    LRESULT (*handler)(CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam);
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

// Anything that takes messages and commands through a message map.
class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // The entry for the message, from this class's map or a base class's; null if none.
    const MessageMapEntry* FindEntry(UINT message, UINT code, UINT id) const;

    static const MessageMap* GetThisMessageMap();

protected:
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const MessageMap* GetThisMessageMap();      \
    const MessageMap* GetMessageMap() const override { \
        return GetThisMessageMap();                    \
    }

#define BEGIN_MESSAGE_MAP(theClass, baseClass)        \
    const MessageMap* theClass::GetThisMessageMap() { \
        using ThisClass [[maybe_unused]] = theClass;  \
        using TheBaseClass = baseClass;               \
        static const MessageMapEntry entries[] = {
#define END_MESSAGE_MAP()                                                      \
    { 0, 0, 0, nullptr }                                                       \
    }                                                                          \
    ;                                                                          \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                               \
    }

#define ON_COMMAND(id, memberFxn)                                                   \
    {WM_COMMAND, 0, (id), [](CCmdTarget* target, UINT, WPARAM, LPARAM) -> LRESULT { \
         (static_cast<ThisClass*>(target)->*(memberFxn))();                         \
         return 0;                                                                  \
     }},
#define ON_EN_CHANGE(id, memberFxn)                                                         \
    {WM_COMMAND, EN_CHANGE, (id), [](CCmdTarget* target, UINT, WPARAM, LPARAM) -> LRESULT { \
         (static_cast<ThisClass*>(target)->*(memberFxn))();                                 \
         return 0;                                                                          \
     }},
// A message whose handler takes its wParam and lParam as they come and answers for itself.
#define ON_MESSAGE(message, memberFxn)                                                        \
    {(message), 0, 0, [](CCmdTarget* target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         return (static_cast<ThisClass*>(target)->*(memberFxn))(wParam, lParam);              \
     }},
#define ON_WM_SYSCOMMAND()                                                                        \
    {WM_SYSCOMMAND, 0, 0, [](CCmdTarget* target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         static_cast<ThisClass*>(target)->OnSysCommand(static_cast<UINT>(wParam), lParam);        \
         return 0;                                                                                \
     }},
#define ON_WM_PAINT()                                                          \
    {WM_PAINT, 0, 0, [](CCmdTarget* target, UINT, WPARAM, LPARAM) -> LRESULT { \
         static_cast<ThisClass*>(target)->OnPaint();                           \
         return 0;                                                             \
     }},
#define ON_WM_QUERYDRAGICON()                                                                  \
    {WM_QUERYDRAGICON, 0, 0, [](CCmdTarget* target, UINT, WPARAM, LPARAM) -> LRESULT {         \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->OnQueryDragIcon()); \
     }},
// Every WM_CTLCOLORxxx reaches the one handler, with the kind of control it asks about.
#define ON_WM_CTLCOLOR()                                                                                \
    {WM_CTLCOLOR, 0, 0, [](CCmdTarget* target, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT { \
         CDC dc(reinterpret_cast<HDC>(wParam));                                                         \
         return reinterpret_cast<LRESULT>(static_cast<ThisClass*>(target)->OnCtlColor(                  \
             &dc, CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), message - WM_CTLCOLORMSGBOX));      \
     }},
#define ON_WM_SETCURSOR()                                                                                      \
    {WM_SETCURSOR, 0, 0, [](CCmdTarget* target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {               \
         return static_cast<ThisClass*>(target)->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                                             LOWORD(lParam), HIWORD(lParam));                  \
     }},
#define ON_WM_LBUTTONDOWN()                                                                         \
    {WM_LBUTTONDOWN, 0, 0, [](CCmdTarget* target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {  \
         static_cast<ThisClass*>(target)->OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); \
         return 0;                                                                                  \
     }},
#define ON_WM_LBUTTONUP()                                                                         \
    {WM_LBUTTONUP, 0, 0, [](CCmdTarget* target, UINT, WPARAM wParam, LPARAM lParam) -> LRESULT {  \
         static_cast<ThisClass*>(target)->OnLButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); \
         return 0;                                                                                \
     }},
#define ON_WM_TIMER()                                                                 \
    {WM_TIMER, 0, 0, [](CCmdTarget* target, UINT, WPARAM wParam, LPARAM) -> LRESULT { \
         static_cast<ThisClass*>(target)->OnTimer(static_cast<UINT_PTR>(wParam));     \
         return 0;                                                                    \
     }},
#define ON_WM_CLOSE()                                                          \
    {WM_CLOSE, 0, 0, [](CCmdTarget* target, UINT, WPARAM, LPARAM) -> LRESULT { \
         static_cast<ThisClass*>(target)->OnClose();                           \
         return 0;                                                             \
     }},
