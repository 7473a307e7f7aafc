#include "terminal/TerminalGame.h"

CTerminalGame::CTerminalGame(BoxHost& boxes) : m_boxes(boxes) {
    m_shown.question = kStartQuestion;
    for (int k = 0; k < kAnswerCount; ++k) {
        m_strAnswer[k] = kStartAnswers[k];
    }
}

void CTerminalGame::Tick(const char* clock) {
    m_strTime = clock;
    Refresh();
}

void CTerminalGame::SetQuestionText(const char* text) {
    m_shown.question = text;
}

void CTerminalGame::SetNumberLabel(const char* text) {
    m_shown.number = text;
}

void CTerminalGame::SetRankPosition(int position) {
    m_shown.rank = position;
}

void CTerminalGame::Refresh() {
    for (int k = 0; k < kAnswerCount; ++k) {
        m_shown.answer[k] = m_strAnswer[k];
    }
    m_shown.score = m_strScore;
    m_shown.clock = m_strTime;
}

void CTerminalGame::ShowMessageBox(const char* text, const char* caption, BoxIcon icon) {
    m_boxes.RunMessageBox(text, caption, icon);
}
