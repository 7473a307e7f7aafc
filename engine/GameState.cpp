#include <cstring>

#include "engine/TriviaGame.h"

unsigned char CTriviaGame::s_lastRemoved = 0;

void CTriviaGame::ShowStartScreen() {
    SetQuestionText(kStartQuestion);
    HoldStartAnswers();
}

void CTriviaGame::HoldStartAnswers() {
    for (int k = 0; k < kAnswerCount; ++k) {
        m_strAnswer[k] = kStartAnswers[k];
    }
}

void CTriviaGame::PresentQuestion(int i) {
    char* question = m_round[i].szQuestion;
    const std::size_t length = std::strlen(question);
    const char last = length > 0 ? question[length - 1] : '\0';
    if (last != ':' && last != '.' && length + 1 < sizeof m_round[i].szQuestion) {
        question[length] = '?';
        question[length + 1] = '\0';
    }
    SetQuestionText(question);
    for (int k = 0; k < kAnswerCount; ++k) {
        m_strAnswer[k] = m_round[i].szAnswer[k];
    }
}

void CTriviaGame::ShowNumber() {
    CString number;
    number.Format("%d.", m_nCurrent + 1);
    SetNumberLabel(number);
}

void CTriviaGame::ShowScore() {
    m_strScore.Format("точки:\t%d", m_nScore);
    SetRankPosition(m_nScore / kPointsPerAnswer);
}

void CTriviaGame::BlankWrongAnswers() {
    const int correct = m_round[m_nCurrent].nCorrect;
    for (int k = 1; k <= kAnswerCount; ++k) {
        if (k != correct) {
            m_strAnswer[k - 1] = "";
        }
    }
}
