#include <cstdlib>

#include "engine/TriviaGame.h"

namespace {
const char kCannotPayText[] = "Мисля, че не си платежоспособен!";
const char kCheekyText[] = "Не ставаш ли малко нахален?";
const char kEarnItYourselfText[] = "А точките аз ли да ти ги спечеля?!?";
const char kEnoughText[] = "Свърши се тя... стига ти за тази игра";
}  // namespace

void CTriviaGame::OnHintRemove() {
    if (m_nCurrent >= kNoQuestion) {
        return;
    }
    if (m_nScore < kRemoveCost) {
        ShowMessageBox(kCannotPayText, nullptr, BoxIcon::None);
        return;
    }
    if (m_nRemoveLeft == 0) {
        ShowMessageBox(kCheekyText, nullptr, BoxIcon::None);
        s_lastRemoved = 0;
        return;
    }
    m_nScore -= kRemoveCost;
    --m_nRemoveLeft;
    ShowScore();

    // r mod 4 of 0, 1, 2, 3 blanks D, C, B, A; never the right answer, never the last blanked.
    const int correct = m_round[m_nCurrent].nCorrect;
    int k;
    do {
        k = kAnswerCount - std::rand() % kAnswerCount;
    } while (k == correct || k == s_lastRemoved);
    s_lastRemoved = static_cast<unsigned char>(k);
    m_strAnswer[k - 1] = "";
    Refresh();
}

void CTriviaGame::OnHintReveal() {
    if (m_nCurrent >= kNoQuestion) {
        return;
    }
    if (m_nScore < kRevealCost) {
        ShowMessageBox(kEarnItYourselfText, nullptr, BoxIcon::None);
        return;
    }
    if (m_nRevealLeft == 0) {
        ShowMessageBox(kEnoughText, nullptr, BoxIcon::None);
        return;
    }
    m_nScore -= kRevealCost;
    --m_nRevealLeft;
    ShowScore();
    BlankWrongAnswers();
    Refresh();
}
