#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "engine/TriviaGame.h"
#include "play/MainScreen.h"

struct BoxSeen {
    std::string text;
    bool hasCaption = false;
    std::string caption;
    BoxIcon icon = BoxIcon::None;
    MainScreen screen;  // what shows under the box while it is open
};

// The game with a recorder in place of the window. Like the window's clock, it shows the
// held texts when a box opens; tests call Tick() for the ticks that follow an operation.
class RecordingGame : public CTriviaGame {
public:
    MainScreen screen;
    std::vector<BoxSeen> boxes;
    std::vector<std::string> operations;  // "question", "number", "rank", "refresh", "box"
    std::time_t seedTime = 1'000'000;

    void Tick() { ShowHeldTexts(*this, screen); }

    int Refreshes() const {
        int count = 0;
        for (const std::string& operation : operations) {
            count += operation == "refresh";
        }
        return count;
    }

    const RoundRecord& Pending() const { return m_round[m_nCurrent]; }

    // The number of a wrong answer of the pending question that still shows its text.
    int ShownWrongAnswer() const {
        for (int k = 1; k <= kAnswerCount; ++k) {
            if (k != Pending().nCorrect && !m_strAnswer[k - 1].IsEmpty()) {
                return k;
            }
        }
        return 0;
    }

    void AnswerRight() { CheckAnswer(Pending().nCorrect); }

    void AnswerRight(int times) {
        for (int i = 0; i < times; ++i) {
            AnswerRight();
        }
    }

protected:
    void SetQuestionText(const char* text) override {
        screen.question = text;
        operations.push_back("question");
    }
    void SetNumberLabel(const char* text) override {
        screen.number = text;
        operations.push_back("number");
    }
    void SetRankPosition(int position) override {
        screen.rank = position;
        operations.push_back("rank");
    }
    void Refresh() override {
        Tick();
        operations.push_back("refresh");
    }
    void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) override {
        Tick();
        boxes.push_back({text, caption != nullptr, caption ? caption : "", icon, screen});
        operations.push_back("box");
    }
    std::time_t SeedTime() override { return seedTime; }
};
