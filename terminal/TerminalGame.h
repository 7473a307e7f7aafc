#pragma once

#include <string>

#include "engine/TriviaGame.h"

// What the screen shows of the game, Windows-1251: the texts shown at once, and the held
// texts as of the last refresh.
struct ShownTexts {
    std::string question;
    std::string number;
    std::string answer[kAnswerCount];
    std::string score;
    std::string clock;
    int rank = 0;
};

// Where the game's message boxes run: modal, until the player closes them.
class BoxHost {
public:
    virtual ~BoxHost() = default;
    // No caption means the program's name.
    virtual void RunMessageBox(const char* text, const char* caption, BoxIcon icon) = 0;
};

// The game in a terminal: its display operations fill what the screen shows; the held
// texts (answers, score, clock) reach it at a refresh, which every clock tick makes.
class CTerminalGame : public CTriviaGame {
public:
    explicit CTerminalGame(BoxHost& boxes);

    const ShownTexts& Shown() const { return m_shown; }

    // A tick of the clock: the new time, and every held text onto the screen.
    void Tick(const char* clock);

protected:
    void SetQuestionText(const char* text) override;
    void SetNumberLabel(const char* text) override;
    void SetRankPosition(int position) override;
    void Refresh() override;
    void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) override;

private:
    BoxHost& m_boxes;
    ShownTexts m_shown;
    CString m_strTime;
};
