#include <gtest/gtest.h>

#include "PackSamples.h"

namespace {

using Lines = std::vector<std::string>;

TEST(AikenFormatTest, ChoicesAreReadAsMoodleReadsThem) {
    // A choice without a blank after its letter, a tab, a full stop, lines with blanks around
    // them, no blank line between questions, and a one-character line that Moodle passes over.
    const std::string pack =
        u8"  Столицата на Франция е:  \n"
        u8"A)Рим\n"
        u8"B.\tЛондон\n"
        u8"\tC) Париж \n"
        u8"D. Мадрид\n"
        u8"-\n"
        u8"ANSWER: C\n" +
        AikenQuestions(24);
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(ProblemLines(read), Lines{});
    EXPECT_EQ(read.Format(), PackFormat::Aiken);
    const PoolEntry entry = EntryOf(read);
    EXPECT_STREQ(entry.szQuestion, "Столицата на Франция е:");
    EXPECT_STREQ(entry.szAnswer[0], "Рим");
    EXPECT_STREQ(entry.szAnswer[1], "Лондон");
    EXPECT_STREQ(entry.szAnswer[2], "Париж");
    EXPECT_STREQ(entry.szAnswer[3], "Мадрид");
    EXPECT_EQ(entry.nCorrect, 3);
}

TEST(AikenFormatTest, AQuestionsOwnQuestionMarkIsTheGames) {
    const QuestionPack read =
        QuestionPack::Read(AikenQuestion(u8"Кой е най-високият връх ?", "1", "2", "3", "4") + AikenQuestions(24));
    EXPECT_EQ(HeldQuestion(read, PackLevel::Easy, 0), "Кой е най-високият връх");
}

TEST(AikenFormatTest, EveryBrokenQuestionIsToldAndTheRestPlay) {
    const std::string pack = AikenQuestions(25) +                                     // lines 1 to 175
                             u8"Три отговора\nA) 1\nB) 2\nC) 3\nANSWER: A\n" +        // 176
                             u8"Пет\nA) 1\nB) 2\nC) 3\nD) 4\nE) 5\nANSWER: A\n" +     // 181
                             u8"Без ANSWER\nA) 1\nB) 2\nC) 3\nD) 4\n" +               // 188
                             u8"Малко\nA) 1\nB) 2\nC) 3\nD) 4\nAnswer: A\n" +         // 193
                             u8"Грешна буква\nA) 1\nB) 2\nC) 3\nD) 4\nANSWER: b\n" +  // 199
                             u8"Никаква\nA) 1\nB) 2\nC) 3\nD) 4\nANSWER:\n" +         // 205
                             u8"Отвъд\nA) 1\nB) 2\nC) 3\nD) 4\nANSWER: E\n";          // 211
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(ProblemLines(read),
              (Lines{
                  "176:1: error: the question has 3 choices; the game plays four, A to D",
                  "181:1: error: the question has 5 choices; the game plays four, A to D",
                  "188:1: error: the question has no ANSWER: line after its choices",
                  "198:1: error: write ANSWER: in capitals, as Moodle reads it",
                  "204:9: error: ANSWER: names b; the right choice is one of the capitals A to D",
                  "210:1: error: ANSWER: names no letter; write the letter of the right choice, A to D",
                  "216:9: error: ANSWER: names E; the right choice is one of the capitals A to D",
              }));
    EXPECT_EQ(read.WrittenCount(), 25 + 7);
    EXPECT_EQ(read.UsableCount(), 25);
    EXPECT_TRUE(read.Plays(PackLevel::Hard));
}

TEST(AikenFormatTest, ChoicesAndAnswersBeforeAnyQuestionAreTold) {
    const QuestionPack read = QuestionPack::Read(u8"A) самотен\nANSWER: A\n" + AikenQuestions(25));
    EXPECT_EQ(ProblemLines(read), (Lines{"1:1: error: this choice stands before any question",
                                         "2:1: error: this ANSWER: line stands before any question"}));
    EXPECT_EQ(read.UsableCount(), 25);
}

TEST(AikenFormatTest, ChoicesLetteredOutOfOrderAreReadByTheirPlaceWithAWarning) {
    const QuestionPack read =
        QuestionPack::Read(u8"Кое?\nA) едно\nC) три\nB) две\nD) четири\nANSWER: B\n" + AikenQuestions(24));
    EXPECT_EQ(ProblemLines(read),
              Lines{"3:1: warning: this choice is lettered C but is choice B by its place, as Moodle reads it; "
                    "letter the choices A, B, C, D"});
    EXPECT_FALSE(read.HasErrors());
    const PoolEntry entry = EntryOf(read);
    EXPECT_STREQ(entry.szAnswer[entry.nCorrect - 1], "три");
}

TEST(AikenFormatTest, LevelMarksGiveTheQuestionsAfterThemToTheirLevel) {
    const std::string pack = "[Easy]\n" + AikenQuestions(25, 1) + "[hard]\n" + AikenQuestions(30, 100) + "[Logic]\n" +
                             AikenQuestions(3, 200);
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_TRUE(read.NamesLevels());
    EXPECT_EQ(read.Count(PackLevel::Easy), 25);
    EXPECT_EQ(read.Count(PackLevel::Hard), 30);
    EXPECT_EQ(read.Count(PackLevel::Logic), 3);
    EXPECT_TRUE(read.Plays(PackLevel::Hard));
    EXPECT_FALSE(read.Plays(PackLevel::Logic));
    EXPECT_EQ(HeldQuestion(read, PackLevel::Hard, 0), "Колко е 100");
    EXPECT_EQ(ProblemLines(read), Lines{"388:1: error: the level Logic has 3 usable questions; a game needs 25"});
}

TEST(AikenFormatTest, AMarkOfNoLevelAndQuestionsOfNoLevelAreToldOnce) {
    const std::string pack =
        AikenQuestions(2, 1) + "[Easy]\n" + AikenQuestions(25, 10) + "[Medium]\n" + AikenQuestions(4, 100);
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(ProblemLines(read),
              (Lines{"1:1: error: 2 questions stand before any level, in a pack that names levels; give them [Easy], "
                     "[Hard] or [Logic]",
                     "191:1: error: this level mark names no level; the levels are [Easy], [Hard] and [Logic]"}));
    EXPECT_EQ(read.WrittenCount(), 31);
    EXPECT_EQ(read.UsableCount(), 25);
    EXPECT_TRUE(read.Plays(PackLevel::Easy));
    EXPECT_FALSE(read.Names(PackLevel::Hard));
}

TEST(AikenFormatTest, APackWithoutMarksGivesEveryLevelAllItsQuestions) {
    const QuestionPack read = QuestionPack::Read(AikenQuestions(40));
    for (PackLevel level : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
        EXPECT_EQ(read.Count(level), 40);
        EXPECT_TRUE(read.Plays(level));
    }
    EXPECT_EQ(read.UsableCount(), 40);
}

TEST(AikenFormatTest, AFileWithoutQuestionsIsTold) {
    EXPECT_EQ(ProblemLines(QuestionPack::Read("\n  \n\t\n")), Lines{"error: the file holds no questions"});
}

}  // namespace
