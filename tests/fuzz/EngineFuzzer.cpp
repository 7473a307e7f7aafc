#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "engine/TriviaGame.h"
#include "tests/PoolView.h"

// Plays any sequence of level starts, answers and helps, and checks after every step that the
// game is still one the rules allow.

namespace {

const std::set<std::string> kBoxTexts = {
    "WRONG!!!",
    "Are you idiot?!?",
    "Мисля, че не си платежоспособен!",
    "Не ставаш ли малко нахален?",
    "А точките аз ли да ти ги спечеля?!?",
    "Свърши се тя... стига ти за тази игра",
};

void Require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "broken rule: %s\n", what);
        std::abort();
    }
}

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
        Require(kBoxTexts.count(text) == 1, "only the game's own boxes open");
        Require((icon == BoxIcon::Stop) == (std::string(text) == "WRONG!!!"), "only WRONG!!! has an icon");
        if (std::string(text) == "WRONG!!!") {
            lost = true;
        }
    }
    std::time_t SeedTime() override { return seed; }
};

void CheckRound(const FuzzGame& game) {
    std::set<int> drawn;
    for (const RoundRecord& record : game.m_round) {
        Require(record.nCorrect >= 1 && record.nCorrect <= kAnswerCount, "nCorrect is 1 to 4");
        const int entry = game.pool->EntryOf(record);
        Require(entry >= 0, "every record comes from the pool");
        Require(drawn.insert(entry).second, "no entry twice in a game");
        Require(record.szAnswer[record.nCorrect - 1] == game.pool->CorrectAnswer(static_cast<std::size_t>(entry)),
                "nCorrect names the pool's right answer");
    }
}

void CheckState(const FuzzGame& game) {
    Require(game.m_nCurrent >= 0 && game.m_nCurrent <= kRoundLength, "m_nCurrent is 0 to 25");
    Require(game.m_nScore >= 0 && game.m_nScore <= 250 && game.m_nScore % 10 == 0, "score is 0..250 in tens");
    Require(game.m_nRemoveLeft >= 0 && game.m_nRemoveLeft <= 2, "-10 uses are 0 to 2");
    Require(game.m_nRevealLeft >= 0 && game.m_nRevealLeft <= 2, "-50 uses are 0 to 2");
    if (game.m_nLevel != kNoGame) {
        Require(game.rank == game.m_nScore / 10, "the gauge shows the score");
        CString score;
        score.Format("точки:\t%d", game.m_nScore);
        Require(game.m_strScore == score, "the score text shows the score");
    } else if (game.lost) {
        Require(game.rank == 0 && game.m_strScore.IsEmpty(), "a lost game empties the gauge and the score");
    }
    if (game.m_nCurrent < kRoundLength) {
        Require(game.m_nLevel != kNoGame, "a pending question belongs to a game");
        const RoundRecord& pending = game.m_round[game.m_nCurrent];
        Require(!game.m_strAnswer[pending.nCorrect - 1].IsEmpty(), "the right answer is never blanked");
        const char letter = static_cast<char>(pending.nCorrect + 64);
        Require(letter >= 'A' && letter <= 'D', "the hint letter is A to D");
    }
}

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
                game.seed = (next() << 8) | next();
                game.lost = false;
                game.pool = &pools[static_cast<std::size_t>(level)];
                if (level == 0) {
                    game.OnGameEasy();
                } else if (level == 1) {
                    game.OnGameHard();
                } else {
                    game.OnGameLogic();
                }
                CheckRound(game);
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
        CheckState(game);
    }
    return 0;
}
