#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "PackFiles.h"
#include "packs/QuestionPack.h"
#include "tests/SilentGame.h"

namespace {

class DrawingGame : public SilentGame {
public:
    // The number of the pack's question that game question i was drawn from.
    int Drawn(int i) const {
        const char* number = std::strpbrk(m_round[i].szQuestion, "0123456789");
        return number != nullptr ? std::atoi(number) : 0;
    }
};

}  // namespace

// Here RAND_MAX is 32767: a level with more questions than that still draws every one of them.
TEST(PackDrawTest, ALevelOfMoreQuestionsThanTheRandomNumbersReachDrawsBeyondThem) {
    static_assert(RAND_MAX == 32767, "the generator of the Windows edition");
    constexpr int kQuestions = 40000;
    const QuestionPack pack = QuestionPack::Read(CapitalsPack(1, kQuestions));
    ASSERT_EQ(pack.Count(PackLevel::Easy), kQuestions);
    DrawingGame game;
    game.PlayPack(&pack);
    int beyond = 0;
    int highest = 0;
    for (std::time_t seed = 1; seed <= 40; ++seed) {
        game.seedTime = seed;
        game.OnGameEasy();
        std::set<int> drawn;
        for (int i = 0; i < kRoundLength; ++i) {
            const int n = game.Drawn(i);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, kQuestions);
            drawn.insert(n);
            beyond += n > RAND_MAX + 1;
            highest = std::max(highest, n);
        }
        EXPECT_EQ(drawn.size(), std::size_t{kRoundLength}) << "no question twice in a game";
    }
    // Of 1,000 draws some 180 fall beyond the 32,768th question, and the highest near the level's end.
    EXPECT_GT(beyond, 100);
    EXPECT_GT(highest, 39000);
}
