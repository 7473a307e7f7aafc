#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>

#include "GameWindow.h"
#include "res/resource.h"

namespace {

// The face the platform really draws with when asked for this font.
std::wstring RealisedFace(HFONT font) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    wchar_t face[LF_FACESIZE] = L"";
    GetTextFaceW(dc, LF_FACESIZE, face);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return face;
}

// Whether the font has a glyph of its own for every letter: a missing one would show as "?" or
// as a box.
bool HasGlyphs(HFONT font, const std::wstring& letters) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    std::wstring glyphs(letters.size(), L'\0');
    const DWORD found = GetGlyphIndicesW(dc, letters.c_str(), static_cast<int>(letters.size()),
                                         reinterpret_cast<WORD*>(&glyphs[0]), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return found == letters.size() && glyphs.find(static_cast<wchar_t>(0xFFFF)) == std::wstring::npos;
}

HFONT FontOf(HWND control) {
    return reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
}

BOOL CALLBACK FindRankScale(HWND child, LPARAM lParam) {
    if (TextOf(child).rfind(L"<--genius", 0) == 0) {
        *reinterpret_cast<HWND*>(lParam) = child;
        return FALSE;
    }
    return TRUE;
}

class FontTest : public ::testing::Test {
protected:
    GameWindow game;
};

TEST_F(FontTest, TheRankScaleShowsItsFiveStepsEachOnItsLine) {
    HWND scale = nullptr;
    EnumChildWindows(game.Handle(), &FindRankScale, reinterpret_cast<LPARAM>(&scale));
    ASSERT_NE(scale, nullptr);
    RECT label;
    GetClientRect(scale, &label);

    HDC dc = GetDC(scale);
    HGDIOBJ old = SelectObject(dc, FontOf(scale));
    const std::wstring text = TextOf(scale);
    std::wistringstream lines(text);
    int steps = 0;
    for (std::wstring line; std::getline(lines, line);) {
        if (line.empty()) {
            continue;
        }
        ++steps;
        SIZE extent{};
        GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &extent);
        EXPECT_LE(extent.cx, label.right) << "a step wraps: " << std::string(line.begin(), line.end());
    }
    // Laid out as the label lays out its text, the whole scale fits its height.
    RECT needed = {0, 0, label.right, 0};
    DrawTextW(dc, text.c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    ReleaseDC(scale, dc);
    EXPECT_EQ(steps, 5);
    EXPECT_LE(needed.bottom, label.bottom) << "the foot of the scale falls out of the label";
}

TEST_F(FontTest, TheCaptionButtonsHaveTheirSymbolFont) {
    LOGFONTW symbols{};
    symbols.lfHeight = -13;
    symbols.lfCharSet = SYMBOL_CHARSET;
    lstrcpyW(symbols.lfFaceName, L"Marlett");
    HFONT font = CreateFontIndirectW(&symbols);
    EXPECT_EQ(RealisedFace(font), L"Marlett") << "the minimize and close glyphs would show as letters";
    DeleteObject(font);
}

TEST_F(FontTest, TheDialogsDrawWithTheirOwnFaces) {
    EXPECT_EQ(RealisedFace(FontOf(game.Handle())), L"MS Sans Serif");
    EXPECT_EQ(RealisedFace(FontOf(game.Control(IDC_QUESTION))), L"Times New Roman");
    EXPECT_EQ(RealisedFace(FontOf(game.Control(IDC_NUMBER))), L"Times New Roman");
}

TEST_F(FontTest, EveryFaceHasTheBulgarianLetters) {
    const std::wstring letters = L"АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЬЮЯабвгдежзийклмнопрстуфхцчшщъьюя";
    EXPECT_TRUE(HasGlyphs(FontOf(game.Handle()), letters)) << "the answers";
    EXPECT_TRUE(HasGlyphs(FontOf(game.Control(IDC_QUESTION)), letters)) << "the question";
}

}  // namespace
