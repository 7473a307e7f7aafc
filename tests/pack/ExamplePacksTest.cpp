#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "PackSamples.h"

namespace {

using Lines = std::vector<std::string>;

const PackLevel kLevels[] = {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic};

// An example pack as it stands in the checkout.
QuestionPack ReadExample(const std::string& name) {
    std::ifstream file(std::string(MENDO_SOURCE_DIR) + "/examples/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    return QuestionPack::Read(bytes);
}

// Every question of the pack plays, and each level has more than a game's worth.
void ExpectEveryQuestionPlays(const QuestionPack& pack) {
    EXPECT_EQ(ProblemLines(pack), Lines{});
    EXPECT_EQ(pack.Encoding(), PackEncoding::Utf8);
    EXPECT_FALSE(pack.HasByteOrderMark());
    EXPECT_GE(pack.WrittenCount(), 30);
    EXPECT_EQ(pack.UsableCount(), pack.WrittenCount());
    for (const PackLevel level : kLevels) {
        EXPECT_TRUE(pack.Plays(level)) << LevelName(level);
        EXPECT_GT(pack.Count(level), kLevelQuestionsNeeded) << LevelName(level);
    }
}

// The game's shuffle of the answers still favours the place they are written in, so each letter
// is the right one about as often.
void ExpectTheRightAnswersSpread(const QuestionPack& pack, PackLevel level) {
    int right[kAnswerCount] = {};
    PoolEntry entry;
    for (int i = 0; i < pack.Count(level); ++i) {
        pack.CopyEntry(level, i, entry);
        ++right[entry.nCorrect - 1];
    }
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_GE(right[k], pack.Count(level) / 5) << LevelName(level) << ", answer " << static_cast<char>('A' + k);
    }
}

TEST(ExamplePacksTest, TheAikenExampleGivesEachOfTheThreeLevelsItsOwnQuestions) {
    const QuestionPack pack = ReadExample("general-knowledge.txt");
    EXPECT_EQ(pack.Format(), PackFormat::Aiken);
    ExpectEveryQuestionPlays(pack);
    int given = 0;
    for (const PackLevel level : kLevels) {
        EXPECT_TRUE(pack.Names(level)) << LevelName(level);
        given += pack.Count(level);
        ExpectTheRightAnswersSpread(pack, level);
    }
    EXPECT_EQ(given, pack.WrittenCount());
}

TEST(ExamplePacksTest, TheSpreadsheetExampleIsASemicolonCsvThatEveryLevelPlays) {
    const QuestionPack pack = ReadExample("science.csv");
    EXPECT_EQ(pack.Format(), PackFormat::Csv);
    EXPECT_EQ(pack.Delimiter(), ';');
    EXPECT_TRUE(pack.HasHeader());
    EXPECT_FALSE(pack.NamesLevels());
    ExpectEveryQuestionPlays(pack);
    EXPECT_EQ(pack.Count(PackLevel::Easy), pack.WrittenCount());
    ExpectTheRightAnswersSpread(pack, PackLevel::Easy);
}

}  // namespace
