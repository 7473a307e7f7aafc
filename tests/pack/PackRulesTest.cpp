#include <gtest/gtest.h>

#include "PackSamples.h"

namespace {

using Lines = std::vector<std::string>;

// The problems of one question among 25 good ones.
Lines ProblemsOf(const std::string& question) {
    return ProblemLines(QuestionPack::Read(question + AikenQuestions(25, 100)));
}

std::string Letters(int n, const char* letter = u8"я") {
    std::string text;
    for (int i = 0; i < n; ++i) {
        text += letter;
    }
    return text;
}

TEST(PackRulesTest, AQuestionIsAtMost58CharactersBeforeItsQuestionMarkOr59AsAStatement) {
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(58), "1", "2", "3", "4")), Lines{});
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(58) + "?", "1", "2", "3", "4")), Lines{});
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(58) + ":", "1", "2", "3", "4")), Lines{});
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(58) + ".", "1", "2", "3", "4")), Lines{});
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(59), "1", "2", "3", "4")),
              Lines{"1:59: error: the question is 59 characters long; the game shows at most 58 before its question "
                    "mark"});
    EXPECT_EQ(ProblemsOf(AikenQuestion("   " + Letters(72) + "?", "1", "2", "3", "4")),
              Lines{"1:62: error: the question is 72 characters long; the game shows at most 58 before its question "
                    "mark"});
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(59) + ":", "1", "2", "3", "4")),
              Lines{"1:60: error: the question is 60 characters long; the game shows at most 59"});
}

TEST(PackRulesTest, AnAnswerIsOneTo29CharactersAndTheFourDiffer) {
    EXPECT_EQ(ProblemsOf(AikenQuestion(u8"Кое", Letters(29), "2", "3", "4")), Lines{});
    EXPECT_EQ(ProblemsOf(AikenQuestion(u8"Кое", "1", Letters(30), "", "1")),
              (Lines{"3:33: error: answer B is 30 characters long; the game shows at most 29",
                     "4:3: error: answer C is empty",
                     "5:4: error: answers A and D are the same; the four answers must differ"}));
}

TEST(PackRulesTest, OnlyCharactersOfWindows1251Play) {
    EXPECT_EQ(ProblemsOf(AikenQuestion(u8"Кой е „най-добрият“ — № 1 … «днес»", u8"€", u8"°", u8"±", u8"©")), Lines{});
    // Out of the test macros, which would spell these characters in the code page too.
    const std::string beyond = AikenQuestion(u8"Кой е Győr", "1", "2", u8"😀", "4");
    EXPECT_EQ(ProblemsOf(beyond),
              (Lines{"1:9: error: the question holds U+0151, a character the game cannot show: it has only those of "
                     "Windows-1251",
                     "4:4: error: answer C holds U+1F600, a character the game cannot show: it has only those of "
                     "Windows-1251"}));
    // A tab inside a quoted field of a spreadsheet's row.
    std::string rows = "\"a\tb\";1;2;3;4;A\n";
    for (int i = 0; i < 25; ++i) {
        rows += "q" + std::to_string(i) + ";1;2;3;4;A\n";
    }
    EXPECT_EQ(ProblemLines(QuestionPack::Read(rows)),
              Lines{"1:3: error: the question holds a control character, U+0009"});
}

TEST(PackRulesTest, HtmlEntitiesAreTheCharactersTheyStandFor) {
    const QuestionPack read =
        QuestionPack::Read(AikenQuestion(u8"Tom &amp; Jerry &quot;са&quot; &#39;котка&#39; и&nbsp;мишка", "&lt;",
                                         "&#x44;", "&#1071;", "&bogus; &amp") +
                           AikenQuestions(24));
    EXPECT_EQ(ProblemLines(read), Lines{});
    const PoolEntry entry = EntryOf(read);
    EXPECT_STREQ(entry.szQuestion, "Tom & Jerry \"са\" 'котка' и\xA0мишка");
    EXPECT_STREQ(entry.szAnswer[0], "<");
    EXPECT_STREQ(entry.szAnswer[1], "D");
    EXPECT_STREQ(entry.szAnswer[2], "Я");
    EXPECT_STREQ(entry.szAnswer[3], "&bogus; &amp");
    // An entity counts as the one character it stands for.
    EXPECT_EQ(ProblemsOf(AikenQuestion(Letters(57) + "&amp;", "1", "2", "3", "4")), Lines{});
}

TEST(PackRulesTest, ALevelNeedsAGamesWorthOfQuestions) {
    EXPECT_TRUE(QuestionPack::Read(AikenQuestions(25)).Plays(PackLevel::Easy));
    const QuestionPack short24 = QuestionPack::Read(AikenQuestions(24));
    EXPECT_FALSE(short24.PlaysAnyLevel());
    EXPECT_EQ(ProblemLines(short24), Lines{"error: the pack has 24 usable questions; a game needs 25"});
}

}  // namespace

namespace {

TEST(PackRulesTest, AQuestionWrittenAgainWithTheSameAnswersIsLeftOutAfterItsFirstTime) {
    const std::string twice = AikenQuestion(u8"Кое не подхожда", u8"бор", u8"дъб", u8"цвете", u8"ела", 'C');
    const std::string reordered = AikenQuestion(u8"Кое не подхожда", u8"ела", u8"цвете", u8"дъб", u8"бор", 'B');
    const std::string other = AikenQuestion(u8"Кое не подхожда", u8"бор", u8"дъб", u8"кола", u8"ела", 'C');
    const QuestionPack read = QuestionPack::Read(twice + other + reordered + AikenQuestions(24));
    EXPECT_EQ(ProblemLines(read), Lines{"15:1: error: this question is the one on line 1 again, with the same answers; "
                                        "a game would ask it twice"});
    EXPECT_EQ(read.UsableCount(), 26);
    // In two levels it is asked once in each.
    const QuestionPack levels =
        QuestionPack::Read("[Easy]\n" + twice + AikenQuestions(24) + "[Hard]\n" + twice + AikenQuestions(24));
    EXPECT_EQ(ProblemLines(levels), Lines{});
}

}  // namespace
