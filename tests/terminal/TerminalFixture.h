#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ScriptedEvents.h"
#include "terminal/Frontend.h"

// The game with a scripted player, drawing into curses' screen in memory: no terminal needed.
// What the tests read is the screen as curses last sent it to the terminal.
constexpr int kAnswerRows[kAnswerCount] = {9, 12, 15, 18};
constexpr int kAnswerColumn = 9;

class TerminalFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    // The game's screen as text, one line a row, and the row alone.
    std::wstring Screen() const;
    std::wstring Row(int y) const;
    // The cells of a row, without the blanks at their end.
    std::wstring Cells(int y, int x, int width) const;
    std::wstring AnswerShown(int k) const { return Cells(kAnswerRows[k - 1], kAnswerColumn, 34); }
    // The question's lines, joined.
    std::wstring QuestionShown() const;
    std::wstring NumberShown() const { return Cells(3, 2, 4); }
    std::wstring ScoreShown() const { return Cells(21, 60, 16); }
    bool Shows(const std::wstring& text) const { return Screen().find(text) != std::wstring::npos; }
    // The attributes that the cell is drawn with.
    attr_t AttributesAt(int y, int x) const;

    // The right answer's number and letter for the pending question.
    int RightAnswer() { return frontend.Game().m_round[frontend.Game().m_nCurrent].nCorrect; }
    wchar_t RightLetter() { return static_cast<wchar_t>(L'a' + RightAnswer() - 1); }
    wchar_t WrongLetter() { return static_cast<wchar_t>(L'a' + RightAnswer() % kAnswerCount); }

    void Play() {
        frontend.Run();
        EXPECT_TRUE(events.Done()) << "the game ended before the script did";
    }

    ScriptedEvents events;
    Frontend frontend{events, L"mendo"};

private:
    static SCREEN* s_screen;
};
