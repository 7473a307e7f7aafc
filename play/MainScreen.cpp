#include "play/MainScreen.h"

void ShowHeldTexts(const CTriviaGame& game, MainScreen& screen) {
    for (int k = 0; k < kAnswerCount; ++k) {
        screen.answer[k] = game.m_strAnswer[k];
    }
    screen.score = game.m_strScore;
}
