#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "PoolView.h"

namespace {

struct PoolFigures {
    int level;
    int storedAt[kAnswerCount];  // entries whose right answer is stored at A, B, C, D
    int endingWithColon;
    int endingWithFullStop;
    std::size_t shortestQuestion, longestQuestion;
    std::size_t shortestAnswer, longestAnswer;
};

const PoolFigures kFigures[] = {
    {kEasy, {17, 7, 8, 10}, 23, 0, 19, 56, 1, 29},
    {kHard, {20, 19, 19, 19}, 70, 0, 8, 59, 3, 28},
    {kLogic, {17, 17, 18, 9}, 22, 4, 7, 58, 1, 25},
};

char Last(const std::string& text) {
    return text.empty() ? '\0' : text.back();
}

std::string Name(const PoolView& pool, std::size_t i) {
    return std::string(pool.name) + " entry " + std::to_string(i) + " (" + Utf8(pool.Question(i)) + ")";
}

class QuestionPoolTest : public ::testing::TestWithParam<PoolView> {
protected:
    const PoolView pool = GetParam();
    const PoolFigures& figures() const {
        for (const PoolFigures& f : kFigures) {
            if (f.level == pool.level) {
                return f;
            }
        }
        throw std::logic_error("no figures for this pool");
    }
};

TEST_P(QuestionPoolTest, RightAnswersAreStoredAtAToDAsCounted) {
    int storedAt[kAnswerCount] = {};
    for (std::size_t i = 0; i < pool.count; ++i) {
        ASSERT_GE(pool.nCorrect[i], 1) << Name(pool, i);
        ASSERT_LE(pool.nCorrect[i], 4) << Name(pool, i);
        ++storedAt[pool.nCorrect[i] - 1];
    }
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(storedAt[k], figures().storedAt[k]) << "right answers stored at " << char('A' + k);
    }
}

TEST_P(QuestionPoolTest, QuestionsEndAsCounted) {
    int colon = 0;
    int fullStop = 0;
    for (std::size_t i = 0; i < pool.count; ++i) {
        const std::string question = pool.Question(i);
        EXPECT_NE(Last(question), '?') << Name(pool, i) << " carries its own question mark";
        colon += Last(question) == ':';
        if (Last(question) == '.') {
            ++fullStop;
            const bool gap = question.find("...") != std::string::npos && question.size() > 3 &&
                             question.compare(question.size() - 3, 3, "...") != 0;
            const bool speed = question.size() >= 6 && question.compare(question.size() - 6, 6, "м/сек.") == 0;
            EXPECT_TRUE(gap || speed) << Name(pool, i) << " ends with a full stop that is no gap and no м/сек.";
        }
    }
    EXPECT_EQ(colon, figures().endingWithColon);
    EXPECT_EQ(fullStop, figures().endingWithFullStop);
}

TEST_P(QuestionPoolTest, TextLengthsSpanTheirRangeAndFitTheRecord) {
    std::size_t shortestQuestion = kQuestionSize, longestQuestion = 0;
    std::size_t shortestAnswer = kAnswerSize, longestAnswer = 0;
    for (std::size_t i = 0; i < pool.count; ++i) {
        const std::string question = pool.Question(i);
        const bool shownAsStored = Last(question) == ':' || Last(question) == '.';
        // Room for the "?" the game adds, and the terminator.
        EXPECT_LE(question.size(), shownAsStored ? 59u : 58u) << Name(pool, i);
        shortestQuestion = std::min(shortestQuestion, question.size());
        longestQuestion = std::max(longestQuestion, question.size());
        for (int k = 1; k <= kAnswerCount; ++k) {
            const std::size_t length = pool.Answer(i, k).size();
            EXPECT_GE(length, 1u) << Name(pool, i) << " answer " << k;
            shortestAnswer = std::min(shortestAnswer, length);
            longestAnswer = std::max(longestAnswer, length);
        }
    }
    EXPECT_EQ(shortestQuestion, figures().shortestQuestion);
    EXPECT_EQ(longestQuestion, figures().longestQuestion);
    EXPECT_EQ(shortestAnswer, figures().shortestAnswer);
    EXPECT_EQ(longestAnswer, figures().longestAnswer);
}

TEST_P(QuestionPoolTest, TheFourAnswersOfAnEntryDiffer) {
    for (std::size_t i = 0; i < pool.count; ++i) {
        std::set<std::string> answers;
        for (int k = 1; k <= kAnswerCount; ++k) {
            answers.insert(pool.Answer(i, k));
        }
        EXPECT_EQ(answers.size(), 4u) << Name(pool, i);
    }
}

TEST_P(QuestionPoolTest, TextsAreAsciiAndCyrillicLettersOnly) {
    auto clean = [](const std::string& text) {
        for (unsigned char c : text) {
            if (!((c >= 0x20 && c <= 0x7E) || c >= 0xC0)) {
                return false;
            }
        }
        return text.front() != ' ' && text.back() != ' ' && text.find("  ") == std::string::npos;
    };
    for (std::size_t i = 0; i < pool.count; ++i) {
        EXPECT_TRUE(clean(pool.Question(i))) << Name(pool, i);
        for (int k = 1; k <= kAnswerCount; ++k) {
            EXPECT_TRUE(clean(pool.Answer(i, k))) << Name(pool, i) << " answer " << Utf8(pool.Answer(i, k));
        }
    }
}

TEST_P(QuestionPoolTest, OnlyLogicSharesQuestionTextsAndEachTimeWithOtherAnswers) {
    const std::map<std::string, int> shared =
        pool.level == kLogic
            ? std::map<std::string, int>{{"Кое не подхожда", 6},
                                         {"Кое не подхожда:", 5},
                                         {"Кое е излишно", 4},
                                         {"Коя от следните двойки думи е аналогична на 'пиано-звук'", 4}}
            : std::map<std::string, int>{};
    std::map<std::string, int> seen;
    std::map<std::string, std::set<std::string>> answerSets;
    for (std::size_t i = 0; i < pool.count; ++i) {
        const std::string question = pool.Question(i);
        ++seen[question];
        std::set<std::string> answers;
        for (int k = 1; k <= kAnswerCount; ++k) {
            answers.insert(pool.Answer(i, k));
        }
        std::string key;
        for (const std::string& answer : answers) {
            key += answer + '\n';
        }
        EXPECT_TRUE(answerSets[question].insert(key).second) << Name(pool, i) << " repeats its answers";
    }
    for (const auto& [question, times] : seen) {
        const auto expected = shared.find(question);
        EXPECT_EQ(times, expected == shared.end() ? 1 : expected->second) << Utf8(question);
    }
    for (const auto& [question, times] : shared) {
        EXPECT_EQ(seen.count(question), 1u) << Utf8(question) << " is missing";
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, QuestionPoolTest, ::testing::ValuesIn(AllPools()),
                         [](const ::testing::TestParamInfo<PoolView>& param) { return param.param.name; });

TEST(QuestionPools, NoQuestionTextIsInTwoLevels) {
    std::map<std::string, std::set<std::string>> levels;
    for (const PoolView& pool : AllPools()) {
        for (std::size_t i = 0; i < pool.count; ++i) {
            levels[pool.Question(i)].insert(pool.name);
        }
    }
    for (const auto& [question, names] : levels) {
        EXPECT_EQ(names.size(), 1u) << Utf8(question);
    }
}

struct TellingEntry {
    int level;
    const char* question;
    const char* answer[kAnswerCount];
    int correct;
};

// The entries every pool must hold word for word.
const TellingEntry kTellingEntries[] = {
    {kEasy, "Колко байта има един килобайт", {"1000", "1024", "102.4", "10.24"}, 2},
    {kEasy, "1024 е 2 на степен:", {"8", "10", "12", "14"}, 2},
    {kEasy, "Кое животно издържа без вода най-дълго време:", {"плъх", "камила", "куче", "зебра"}, 1},
    {kEasy,
     "111 111 111 x 111 111 111 е равно на",
     {"2.7182795698924731182795", "3.14159292035398230088", "12 345 678 987 654 321", "12 222 222 221"},
     3},
    {kHard, "През коя година е открит компасът", {"888 г.", "942 г.", "1013 г.", "1117 г."}, 4},
    {kHard, "Ярд е английска мярка за дължина, равна на:", {"30.48 см.", "2.54 см.", "91.44 см.", "182.88 см."}, 3},
    {kHard,
     "Терминът 'хакер' се е появил в Масачузетския институт през:",
     {"70-те г.", "60-те г.", "80-те г.", "50-те г."},
     2},
    {kHard, "Столицата на Иран е:", {"Техеран", "Багдад", "Аман", "Лагос"}, 1},
    {kLogic, "Колко е средно аритметичното на 114, 120 и 105", {"120", "113", "139", "110.45"}, 2},
    {kLogic, "Кое не подхожда:", {"цвете", "теменуга", "бор", "дъб"}, 1},
    {kLogic,
     "Коя двойка от думи е в същото съотношение като 'мотор-ток'",
     {"сърце - кръв", "карбуратор - бензин", "турбина - пара", "кола - път"},
     3},
    {kLogic, "Паметниците достигат до нас ... от вековете.", {"съсипани", "поправени", "непокътнати", "доработени"}, 3},
    {kLogic, "Ако х/5=2,8 то х е:", {"0,56", "2,85", "14", "28,5"}, 3},
};

TEST(QuestionPools, HoldTheirTellingEntriesWordForWord) {
    for (const TellingEntry& telling : kTellingEntries) {
        bool found = false;
        for (const PoolView& pool : AllPools()) {
            for (std::size_t i = 0; pool.level == telling.level && i < pool.count; ++i) {
                bool same = pool.Question(i) == telling.question && pool.nCorrect[i] == telling.correct;
                for (int k = 1; same && k <= kAnswerCount; ++k) {
                    same = pool.Answer(i, k) == telling.answer[k - 1];
                }
                found = found || same;
            }
        }
        EXPECT_TRUE(found) << Utf8(telling.question);
    }
}

}  // namespace
