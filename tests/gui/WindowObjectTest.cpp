#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "framework/CWnd.h"

namespace {

HWND Popup() {
    return CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

HWND ChildOf(HWND parent, int id) {
    return CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 10, 10, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

// Takes a stand-in for a window without an object while it handles WM_APP, and a nested
// WM_APP + 1 in the middle of it.
class Nesting : public CWnd {
public:
    HWND bare = nullptr;
    CWnd* outer = nullptr;
    CWnd* inner = nullptr;
    HWND outerHandleAfterwards = nullptr;
    CWnd* outerAgain = nullptr;
    HWND controlBefore = nullptr;
    HWND controlAfterwards = nullptr;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP) {
            outer = FromHandle(bare);
            outer->GetDlgItem(7, &controlBefore);
            SendMessage(WM_APP + 1);
            outerHandleAfterwards = outer->m_hWnd;
            outerAgain = FromHandle(bare);
            outer->GetDlgItem(7, &controlAfterwards);
            return 0;
        }
        if (message == WM_APP + 1) {
            inner = FromHandle(bare);
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

TEST(WindowObjectTest, AWindowWithoutAnObjectHasOneStandInAndAnObjectIsItsOwn) {
    CWnd owned;
    owned.SubclassWindow(Popup());
    HWND bare[3];
    for (HWND& window : bare) {
        window = Popup();
    }

    EXPECT_EQ(CWnd::FromHandle(owned.m_hWnd), &owned);
    EXPECT_EQ(CWnd::FromHandlePermanent(bare[0]), nullptr);
    CWnd* standIns[3];
    for (int i = 0; i < 3; ++i) {
        standIns[i] = CWnd::FromHandle(bare[i]);
        ASSERT_NE(standIns[i], nullptr);
        EXPECT_EQ(standIns[i]->m_hWnd, bare[i]);
    }
    EXPECT_NE(standIns[0], standIns[1]);
    EXPECT_NE(standIns[1], standIns[2]);
    EXPECT_EQ(CWnd::FromHandle(bare[1]), standIns[1]) << "one stand-in a window";
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

    DestroyWindow(owned.m_hWnd);
    EXPECT_EQ(owned.m_hWnd, nullptr) << "the object lets go of its destroyed window";
    EXPECT_EQ(CWnd::FromHandlePermanent(bare[2]), nullptr);
    for (HWND window : bare) {
        DestroyWindow(window);
    }
}

TEST(WindowObjectTest, ObjectsAreFoundByTheirWindowsWhateverAnotherObjectSaysOfItsOwn) {
    CWnd objects[3];
    CWnd* byHandle[3];
    for (int i = 0; i < 3; ++i) {
        objects[i].SubclassWindow(Popup());
        byHandle[i] = &objects[i];
    }
    std::sort(byHandle, byHandle + 3,
              [](const CWnd* a, const CWnd* b) { return std::less<HWND>()(a->m_hWnd, b->m_hWnd); });
    // The handle is a public member: the one in the middle of the table says it has no window.
    const HWND middle = byHandle[1]->m_hWnd;
    byHandle[1]->m_hWnd = nullptr;

    EXPECT_EQ(CWnd::FromHandlePermanent(byHandle[0]->m_hWnd), byHandle[0]);
    EXPECT_EQ(CWnd::FromHandlePermanent(byHandle[2]->m_hWnd), byHandle[2]);
    EXPECT_EQ(CWnd::FromHandlePermanent(middle), byHandle[1]);

    byHandle[1]->m_hWnd = middle;
    for (CWnd& object : objects) {
        DestroyWindow(object.m_hWnd);
    }
}

TEST(WindowObjectTest, AStandInServingAnotherWindowFindsThatWindowsControls) {
    CWnd owned;
    owned.SubclassWindow(Popup());
    const HWND first = Popup();
    const HWND second = Popup();
    const HWND firstControl = ChildOf(first, 7);
    const HWND secondControl = ChildOf(second, 7);
    // A message handled by a window with an object ends the service of every stand-in.
    owned.SendMessage(WM_NULL);

    CWnd* standIn = CWnd::FromHandle(first);
    HWND found = nullptr;
    standIn->GetDlgItem(7, &found);
    EXPECT_EQ(found, firstControl);
    owned.SendMessage(WM_NULL);
    EXPECT_EQ(standIn->m_hWnd, nullptr);

    ASSERT_EQ(CWnd::FromHandle(second), standIn) << "the stand-in is kept for the next window";
    CWnd::FromHandle(second)->GetDlgItem(7, &found);
    EXPECT_EQ(found, secondControl) << "not the control of the window it served before";

    DestroyWindow(owned.m_hWnd);
    DestroyWindow(first);
    DestroyWindow(second);
}

TEST(WindowObjectTest, AStandInServesUntilTheOutermostMessageHasBeenHandled) {
    Nesting nesting;
    nesting.SubclassWindow(Popup());
    nesting.bare = Popup();
    const HWND control = ChildOf(nesting.bare, 7);

    nesting.SendMessage(WM_APP);

    ASSERT_NE(nesting.outer, nullptr);
    EXPECT_EQ(nesting.inner, nesting.outer) << "the nested message finds the same stand-in";
    EXPECT_EQ(nesting.outerHandleAfterwards, nesting.bare) << "the nested message's end does not let it go";
    EXPECT_EQ(nesting.outerAgain, nesting.outer);
    EXPECT_EQ(nesting.controlBefore, control);
    EXPECT_EQ(nesting.controlAfterwards, control);
    EXPECT_EQ(nesting.outer->m_hWnd, nullptr) << "let go once the outer message has been handled";

    DestroyWindow(nesting.m_hWnd);
    DestroyWindow(nesting.bare);
}
