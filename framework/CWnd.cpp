#include "framework/CWnd.h"

#include <algorithm>
#include <functional>
#include <memory>

#include "framework/CDataExchange.h"
#include "framework/CFont.h"
#include "framework/CWinApp.h"
#include "framework/Cp1251.h"

namespace {

struct CurrentMessage {
    HWND hWnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class CTempWnd : public CWnd {
public:
    ~CTempWnd() override { m_hWnd = nullptr; }
};

// Windows with an object of their own, sorted by handle: the game has about a dozen. The table
// keeps each handle itself, so that its order does not hang on what an object says.
// Stand-ins for the others serve until the outermost message has been handled, and are then
// kept for the next message: the clock's label asks for its colours every second.
// The game has one GUI thread, so these belong to it.
struct Permanent {
    HWND hWnd;
    CWnd* window;
};
std::vector<Permanent> g_permanent;
std::vector<std::unique_ptr<CWnd>> g_standIns;
std::size_t g_standInsInUse = 0;
int g_dispatchDepth = 0;
CurrentMessage g_current{};

// Where the window stands in the table, or would stand.
std::vector<Permanent>::iterator FindPermanent(HWND hWnd) {
    return std::lower_bound(g_permanent.begin(), g_permanent.end(), hWnd,
                            [](const Permanent& entry, HWND handle) { return std::less<HWND>()(entry.hWnd, handle); });
}

}  // namespace

const CWnd CWnd::wndBottom;

CWnd::~CWnd() {
    if (m_hWnd != nullptr) {
        Detach();
    }
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
    const auto found = FindPermanent(hWnd);
    return found != g_permanent.end() && found->hWnd == hWnd ? found->window : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) {
        return nullptr;
    }
    if (CWnd* permanent = FromHandlePermanent(hWnd)) {
        return permanent;
    }
    for (std::size_t i = 0; i < g_standInsInUse; ++i) {
        if (g_standIns[i]->m_hWnd == hWnd) {
            return g_standIns[i].get();
        }
    }
    if (g_standInsInUse == g_standIns.size()) {
        g_standIns.push_back(std::make_unique<CTempWnd>());
    }
    CWnd* standIn = g_standIns[g_standInsInUse++].get();
    standIn->m_hWnd = hWnd;
    standIn->m_controls.clear();
    return standIn;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr) {
        return FALSE;
    }
    m_hWnd = hWnd;
    const auto place = FindPermanent(hWnd);
    if (place != g_permanent.end() && place->hWnd == hWnd) {
        place->window = this;
    } else {
        g_permanent.insert(place, {hWnd, this});
    }
    m_pfnSuper = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::StaticWindowProc)));
    return TRUE;
}

void CWnd::Detach() {
    if (m_pfnSuper != nullptr && IsWindow(m_hWnd)) {
        SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
    }
    m_pfnSuper = nullptr;
    const auto entry = FindPermanent(m_hWnd);
    if (entry != g_permanent.end() && entry->hWnd == m_hWnd && entry->window == this) {
        g_permanent.erase(entry);
    }
    m_controls.clear();
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
        // A stand-in lets go of the window it served and of that window's controls; the list
        // keeps its room, so that the clock allocates nothing.
        for (std::size_t i = 0; i < g_standInsInUse; ++i) {
            g_standIns[i]->m_hWnd = nullptr;
            g_standIns[i]->m_controls.clear();
        }
        g_standInsInUse = 0;
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
    wchar_t wide[kTextCapacity] = L"";
    GetWindowTextW(m_hWnd, wide, kTextCapacity);
    text = Narrow(wide);
}

int CWnd::MessageBox(const char* text, const char* caption, UINT type) {
    return MessageBoxW(m_hWnd, Widen(text).c_str(), Widen(caption != nullptr ? caption : AfxGetAppName()).c_str(),
                       type);
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const {
    for (const Control& control : m_controls) {
        if (control.nID == nID) {
            *phWnd = control.hWnd;
            return;
        }
    }
    *phWnd = ::GetDlgItem(m_hWnd, nID);
    if (*phWnd != nullptr) {
        m_controls.push_back({nID, *phWnd});
    }
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
    CRect free;
    GetClientRect(&free);
    for (HWND child = ::GetWindow(m_hWnd, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const UINT id = static_cast<UINT>(::GetDlgCtrlID(child));
        if (id >= nIDFirst && id <= nIDLast) {
            ::SendMessageW(child, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&free));
        }
    }
}
