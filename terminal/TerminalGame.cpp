#include "terminal/TerminalGame.h"

namespace {

// A held text onto the screen, written only when it changed: most ticks change nothing.
void Show(std::string& shown, const CString& held) {
    if (shown != static_cast<const char*>(held)) {
        shown = held;
    }
}

}  // namespace

CTerminalGame::CTerminalGame(BoxHost& boxes) : m_boxes(boxes) {}

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
        Show(m_shown.answer[k], m_strAnswer[k]);
    }
    Show(m_shown.score, m_strScore);
    Show(m_shown.clock, m_strTime);
}

void CTerminalGame::ShowMessageBox(const char* text, const char* caption, BoxIcon icon) {
    m_boxes.RunMessageBox(text, caption, icon);
}
