#include <cstddef>
#include <cstdint>

#include "engine/TriviaGame.h"
#include "tests/PoolView.h"
#include "tests/fuzz/GameRules.h"

// Plays any sequence of level starts, answers and helps, and checks after every step that the
// game is still one the rules allow.

namespace {

class FuzzGame : public CTriviaGame {
public:
    int rank = 0;
    bool lost = false;
    std::time_t seed = 0;
    const PoolView* pool = nullptr;

protected:
    void SetQuestionText(const char*) override {}
    void SetNumberLabel(const char*) override {}
    void SetRankPosition(int position) override { rank = position; }
    void Refresh() override {}
    void ShowMessageBox(const char* text, const char*, BoxIcon icon) override {
        if (CheckBox(text, icon)) {
            lost = true;
        }
    }
    std::time_t SeedTime() override { return seed; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::vector<PoolView> pools = AllPools();
    FuzzGame game;
    CTriviaGame::s_lastRemoved = 0;
    std::size_t i = 0;
    auto next = [&] { return i < size ? data[i++] : std::uint8_t{0}; };
    while (i < size) {
        const std::uint8_t step = next();
        switch (step % 8) {
            case 0: {
                const int level = next() % 3;
                const int high = next();
                game.seed = (high << 8) | next();
                game.lost = false;
                game.pool = &pools[static_cast<std::size_t>(level)];
                if (level == 0) {
                    game.OnGameEasy();
                } else if (level == 1) {
                    game.OnGameHard();
                } else {
                    game.OnGameLogic();
                }
                CheckRound(game, *game.pool);
                Require(game.m_nCurrent == 0 && game.m_nScore == 0, "a level start begins at question 1");
                break;
            }
            case 1: game.CheckAnswer(next() % 6); break;
            case 2: {
                void (CTriviaGame::*keys[])() = {&CTriviaGame::OnAnswerA, &CTriviaGame::OnAnswerB,
                                                 &CTriviaGame::OnAnswerC, &CTriviaGame::OnAnswerD};
                (game.*keys[(step / 8) % 4])();
                break;
            }
            case 3: game.OnHintRemove(); break;
            case 4: game.OnHintReveal(); break;
            default:
                // Most steps answer right, so that games get far.
                if (game.m_nCurrent < kRoundLength) {
                    game.CheckAnswer(game.m_round[game.m_nCurrent].nCorrect);
                }
                break;
        }
        CheckState(game, game.rank, game.lost);
    }
    return 0;
}
