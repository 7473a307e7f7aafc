#include "engine/TriviaGame.h"

namespace {
const char kWinText[] = "Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!";
const char kEndOfGameText[] = "От меню Game изберете нивото, на което, ще играете.";
const char kBlankChosenText[] = "Are you idiot?!?";
const char kWrongText[] = "WRONG!!!";
const char kWrongCaption[] = "ERROR";
}  // namespace

void CTriviaGame::CheckAnswer(int nAnswer) {
    if (m_nLevel == kNoGame) {
        return;
    }
    if (m_nCurrent == kNoQuestion) {
        return;
    }
    // Only the four answers exist; any other number is not an answer at all.
    if (nAnswer < 1 || nAnswer > kAnswerCount) {
        return;
    }

    if (nAnswer == m_round[m_nCurrent].nCorrect) {
        ++m_nCurrent;
        m_nScore += kPointsPerAnswer;
        m_nRemoveLeft = kHelpUses;
        ShowScore();
        if (m_nCurrent == kNoQuestion) {
            SetNumberLabel("");
            SetQuestionText(kWinText);
            for (CString& answer : m_strAnswer) {
                answer = "";
            }
            Refresh();
            return;
        }
        ShowNumber();
        PresentQuestion(m_nCurrent);
        return;
    }

    if (m_strAnswer[nAnswer - 1].IsEmpty()) {
        ShowMessageBox(kBlankChosenText, nullptr, BoxIcon::None);
        return;
    }

    // The game is lost. The right answer stays alone on screen while the box is open.
    BlankWrongAnswers();
    m_nLevel = kNoGame;
    m_nCurrent = kNoQuestion;
    ShowMessageBox(kWrongText, kWrongCaption, BoxIcon::Stop);
    SetNumberLabel("");
    SetQuestionText(kEndOfGameText);
    HoldStartAnswers();
    SetRankPosition(0);
    m_strScore = "";
}

void CTriviaGame::OnAnswerA() {
    CheckAnswer(1);
}
void CTriviaGame::OnAnswerB() {
    CheckAnswer(2);
}
void CTriviaGame::OnAnswerC() {
    CheckAnswer(3);
}
void CTriviaGame::OnAnswerD() {
    CheckAnswer(4);
}
