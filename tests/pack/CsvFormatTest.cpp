#include <gtest/gtest.h>

#include "PackSamples.h"

namespace {

using Lines = std::vector<std::string>;

// n rows of questions that keep every limit, with the delimiter and an ending of each row.
std::string CsvRows(int n, char delimiter, const std::string& rowEnd = "") {
    std::string rows;
    for (int i = 1; i <= n; ++i) {
        const std::string d(1, delimiter);
        const std::string number = std::to_string(i);
        rows += u8"Колко е " + number + d + number + d + number + "0" + d + number + "00" + d + number + "000" + d +
                "A" + rowEnd + "\n";
    }
    return rows;
}

TEST(CsvFormatTest, TheDelimiterIsTakenFromTheFirstLine) {
    for (const char delimiter : {',', ';', '\t'}) {
        const QuestionPack read = QuestionPack::Read(CsvRows(25, delimiter));
        EXPECT_EQ(read.Format(), PackFormat::Csv);
        EXPECT_EQ(read.Delimiter(), delimiter);
        EXPECT_EQ(ProblemLines(read), Lines{});
        EXPECT_EQ(HeldQuestion(read, PackLevel::Easy, 24), "Колко е 25");
    }
}

TEST(CsvFormatTest, QuotedFieldsHoldDelimitersAndDoubledQuotes) {
    const std::string pack =
        u8"\"Кой е написал \"\"Под игото\"\"\";\"Вазов; Иван\"; Ботев ;Яворов;\"Славейков\";a\n" + CsvRows(24, ';');
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(ProblemLines(read), Lines{});
    const PoolEntry entry = EntryOf(read);
    EXPECT_STREQ(entry.szQuestion, "Кой е написал \"Под игото\"");
    EXPECT_STREQ(entry.szAnswer[0], "Вазов; Иван");
    EXPECT_STREQ(entry.szAnswer[1], "Ботев");
    EXPECT_STREQ(entry.szAnswer[3], "Славейков");
    EXPECT_EQ(entry.nCorrect, 1);
}

TEST(CsvFormatTest, AHeaderRowBlankRowsAndTrailingEmptyFieldsAreNoQuestions) {
    const std::string pack = u8"Въпрос;A;B;C;D;Верен;Ниво\n;;;;;\n" + CsvRows(25, ';', ";;;") + "\n";
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_TRUE(read.HasHeader());
    EXPECT_EQ(ProblemLines(read), Lines{});
    EXPECT_EQ(read.WrittenCount(), 25);
}

TEST(CsvFormatTest, TheRightAnswerIsALetterInEitherCaseOrANumber) {
    const std::string rights[] = {"B", "b", "2", " 2 "};
    for (const std::string& right : rights) {
        const QuestionPack read =
            QuestionPack::Read(u8"Кое е второ,първо,второ,трето,четвърто," + right + "\n" + CsvRows(24, ','));
        const PoolEntry entry = EntryOf(read);
        EXPECT_EQ(entry.nCorrect, 2) << right;
    }
}

TEST(CsvFormatTest, TheSeventhFieldGivesTheLevel) {
    const std::string pack = CsvRows(25, ';', ";Easy") + CsvRows(25, ';', ";logic") + CsvRows(1, ';', ";Medium");
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(read.Count(PackLevel::Easy), 25);
    EXPECT_EQ(read.Count(PackLevel::Logic), 25);
    EXPECT_FALSE(read.Names(PackLevel::Hard));
    EXPECT_EQ(ProblemLines(read), Lines{"51:27: error: the level is none of Easy, Hard and Logic"});
}

TEST(CsvFormatTest, BrokenRowsAreToldAndTheRestPlay) {
    const std::string pack = CsvRows(25, ';') +                    // lines 1 to 25
                             u8"Пет полета;1;2;3;A\n" +            // 26
                             u8"\"Отворен;1;2;3;4;A\n" +           // 27
                             u8"\"Затворен\" и още;1;2;3;4;A\n" +  // 28
                             u8"Осем;1;2;3;4;A;Easy;x\n" +         // 29
                             u8"Кой е верният;1;2;3;4;E\n";        // 30
    const QuestionPack read = QuestionPack::Read(pack);
    const std::string shape =
        "; a question's row has six: the question, answers A to D and the right answer, and a "
        "seventh for its level if it has one";
    EXPECT_EQ(ProblemLines(read),
              (Lines{
                  "26:1: error: the row has 5 fields" + shape,
                  "27:1: error: the quote opened here is not closed on its line; a question and its answers stand "
                  "on one line",
                  "28:12: error: text follows the closing quote of a field",
                  "29:1: error: the row has 8 fields" + shape,
                  "30:23: error: the right answer is none of A to D and 1 to 4",
              }));
    EXPECT_EQ(read.WrittenCount(), 30);
    EXPECT_EQ(read.UsableCount(), 25);
}

TEST(CsvFormatTest, TheFormatIsToldByTheContentNotTheName) {
    EXPECT_EQ(QuestionPack::Read(CsvRows(25, ',')).Format(), PackFormat::Csv);
    // Commas in an Aiken question do not make it a row.
    const QuestionPack aiken = QuestionPack::Read(
        AikenQuestion(u8"Кое от а, б, в, г, д, е е буква", u8"а", "1", "2", "3") + AikenQuestions(24));
    EXPECT_EQ(aiken.Format(), PackFormat::Aiken);
    EXPECT_EQ(ProblemLines(aiken), Lines{});
}

}  // namespace
