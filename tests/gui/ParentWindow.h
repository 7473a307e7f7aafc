#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/CRect.h"
#include "framework/CWnd.h"

// A plain top-level window with an object of its own, and its children.
class ParentWindow : public ::testing::Test {
protected:
    ParentWindow() {
        window.SubclassWindow(CreateWindowExW(0, L"Static", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                              GetModuleHandleW(nullptr), nullptr));
    }
    ~ParentWindow() override { DestroyWindow(window.m_hWnd); }

    HWND Child(int id) const {
        return CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, window.m_hWnd,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    }

    CRect PlaceOf(HWND child) const {
        CRect rect;
        ::GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, window.m_hWnd, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    CWnd window;
};
