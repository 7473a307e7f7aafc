#include "framework/CWnd.h"

#include <memory>
#include <string>
#include <unordered_map>

#include "framework/CDataExchange.h"
#include "framework/CFont.h"
#include "framework/CToolBar.h"
#include "framework/CWinApp.h"
#include "framework/Cp1251.h"

namespace {

struct CurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Windows with an object of their own, and stand-ins for the others during one message.
// The game has one GUI thread, so these belong to it.
std::unordered_map<HWND, CWnd*> g_permanent;
std::unordered_map<HWND, std::unique_ptr<CWnd>> g_temporary;
int g_dispatchDepth = 0;
CurrentMessage g_current{};

class CTempWnd : public CWnd {
public:
    explicit CTempWnd(HWND hWnd) { m_hWnd = hWnd; }
    ~CTempWnd() override { m_hWnd = nullptr; }
};

}  // namespace

const CWnd CWnd::wndBottom;

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto found = g_permanent.find(hWnd);
    return found != g_permanent.end() ? found->second : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (CWnd* permanent = FromHandlePermanent(hWnd)) {
        return permanent;
    }
    std::unique_ptr<CWnd>& temporary = g_temporary[hWnd];
    if (!temporary) {
        temporary = std::make_unique<CTempWnd>(hWnd);
    }
    return temporary.get();
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    g_permanent[hWnd] = this;
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return TRUE;
}

void CWnd::Detach() {
    if (m_pfnSuper != nullptr && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    g_permanent.erase(m_hWnd);
    m_hWnd = nullptr;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* window = FromHandlePermanent(hWnd);
    if (window == nullptr) {
        return DefWindowProcW(hWnd, message, wParam, lParam);
    }
    const CurrentMessage outer = g_current;
    g_current = {hWnd, message, wParam, lParam};
    ++g_dispatchDepth;
    LRESULT result;
    if (message == WM_NCDESTROY) {
        // The window is gone: nothing reaches the object after this.
        result = window->Default();
        if (AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd == window) {
            AfxGetApp()->m_pMainWnd = nullptr;
        }
        window->Detach();
        window->PostNcDestroy();
    } else {
        result = window->WindowProc(message, wParam, lParam);
    }
    if (--g_dispatchDepth == 0) {
        g_temporary.clear();
    }
    g_current = outer;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    UINT code = 0;
    UINT id = 0;
    if (message == WM_COMMAND) {
        // Menus and accelerators come without a control; toolbar buttons say BN_CLICKED (0).
        code = lParam == 0 ? 0 : HIWORD(wParam);
        id = LOWORD(wParam);
    }
    const bool ctlColor = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
    if (const MessageMapEntry* entry = FindEntry(ctlColor ? WM_CTLCOLOR : message, code, id)) {
        return entry->handler(this, message, wParam, lParam);
    }
    if (message == WM_COMMAND && AfxGetApp() != nullptr) {
        if (const MessageMapEntry* entry = AfxGetApp()->FindEntry(message, code, id)) {
            return entry->handler(AfxGetApp(), message, wParam, lParam);
        }
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuper != nullptr) {
        return CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    }
    return DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() {
    return DefWindowProc(g_current.message, g_current.wParam, g_current.lParam);
}

void CWnd::OnSysCommand(UINT, LPARAM) {
    Default();
}
void CWnd::OnPaint() {
    Default();
}
HCURSOR CWnd::OnQueryDragIcon() {
    return reinterpret_cast<HCURSOR>(Default());
}
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) {
    return reinterpret_cast<HBRUSH>(Default());
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) {
    return static_cast<BOOL>(Default());
}
void CWnd::OnLButtonDown(UINT, CPoint) {
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint) {
    Default();
}
void CWnd::OnTimer(UINT_PTR) {
    Default();
}
void CWnd::OnClose() {
    Default();
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::PreTranslateMessage(MSG*) {
    return FALSE;
}

void CWnd::SetWindowText(const char* text) {
    SetWindowTextW(m_hWnd, Widen(text).c_str());
}

void CWnd::GetWindowText(CString& text) const {
    const int length = GetWindowTextLengthW(m_hWnd);
    std::wstring wide(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(m_hWnd, wide.data(), length + 1);
    text = Narrow(wide.c_str());
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    const std::wstring wideText = Widen(text);
    const std::wstring wideCaption = Widen(caption != nullptr ? caption : AfxGetAppName());
    return MessageBoxW(m_hWnd, wideText.c_str(), wideCaption.c_str(), type);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(*pFont)), bRedraw);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) {
    m_menuSystem.m_hMenu = ::GetSystemMenu(m_hWnd, bRevert);
    return m_menuSystem.m_hMenu != nullptr ? &m_menuSystem : nullptr;
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT flags) {
    const HWND after = pWndInsertAfter == &wndBottom ? HWND_BOTTOM
                       : pWndInsertAfter != nullptr  ? pWndInsertAfter->m_hWnd
                                                     : nullptr;
    return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT) {
    CRect client;
    GetClientRect(&client);
    int top = client.top;
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        auto* bar = dynamic_cast<CToolBar*>(FromHandlePermanent(child));
        if (bar == nullptr || id < nIDFirst || id > nIDLast) {
            continue;
        }
        const int height = bar->CalcHeight();
        ::SetWindowPos(child, nullptr, client.left, top, client.Width(), height, SWP_NOZORDER | SWP_NOACTIVATE);
        top += height;
    }
}
