#include "play/MainScreen.h"

void ShowHeldTexts(const CTriviaGame& game, MainScreen& screen) {
    for (int k = 0; k < kAnswerCount; ++k) {
        screen.answer[k] = game.m_strAnswer[k];
    }
    screen.score = game.m_strScore;
}

bool MainScreen::operator==(const MainScreen& other) const {
    for (int k = 0; k < kAnswerCount; ++k) {
        if (answer[k] != other.answer[k]) {
            return false;
        }
    }
    return question == other.question && number == other.number && score == other.score && clock == other.clock &&
           rank == other.rank;
}
