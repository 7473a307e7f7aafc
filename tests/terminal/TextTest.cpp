#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "terminal/Charset.h"
#include "terminal/Input.h"
#include "terminal/MessageBox.h"
#include "terminal/TextLayout.h"

namespace {

class TextTest : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C.UTF-8"); }
};

TEST_F(TextTest, GameTextsBecomeWideCharactersAndTypedTextComesBack) {
    const char game[] = "точки:\t10 Ж я";
    EXPECT_EQ(ToWide(game), L"точки:\t10 Ж я");
    EXPECT_EQ(ToCp1251(L"точки:\t10 Ж я"), game);
    // Macros spell their arguments in Windows-1251, which has neither of these.
    const std::wstring beyond = L"7€4\U0001F600\u4E2D";
    EXPECT_EQ(ToCp1251(beyond),
              "7\x88"
              "4??")
        << "one byte a character, '?' where Windows-1251 has none";
    EXPECT_EQ(ToWide(""), L"");
}

TEST_F(TextTest, OnlyALocaleWithCyrillicLettersWillDo) {
    EXPECT_TRUE(LocaleShowsCyrillic());
    std::setlocale(LC_ALL, "C");
    EXPECT_FALSE(LocaleShowsCyrillic());
}

TEST_F(TextTest, WrapsBetweenWordsAndAtLineFeeds) {
    EXPECT_EQ(WrapWords(L"one two three", 7), (std::vector<std::wstring>{L"one two", L"three"}));
    EXPECT_EQ(WrapWords(L"abcdefghij", 4), (std::vector<std::wstring>{L"abcd", L"efgh", L"ij"}));
    EXPECT_EQ(WrapWords(L"first \n second", 20), (std::vector<std::wstring>{L"first ", L" second"}))
        << "blanks around a line feed stay, as in the rules";
    EXPECT_EQ(WrapWords(L"", 5), (std::vector<std::wstring>{L""}));
}

TEST_F(TextTest, TabsStopEveryEightCells) {
    EXPECT_EQ(ExpandTabs(L"точки:\t250"), L"точки:  250");
    EXPECT_EQ(ExpandTabs(L"abcdefgh\t1"), L"abcdefgh        1");
    const std::wstring wide = L"\u4E2Da";
    EXPECT_EQ(CellWidth(wide), 3);
}

TEST_F(TextTest, KeysOfBothLayoutsAnswer) {
    const std::wstring keys[] = {L"aAаА", L"bBбБ", L"cCцЦ", L"dDдД"};
    const Command answers[] = {Command::AnswerA, Command::AnswerB, Command::AnswerC, Command::AnswerD};
    for (int k = 0; k < 4; ++k) {
        for (wchar_t key : keys[k]) {
            Event event;
            event.kind = EventKind::Key;
            event.key = key;
            EXPECT_EQ(CommandForKey(event), answers[k]) << static_cast<int>(key);
            event.alt = true;
            EXPECT_NE(CommandForKey(event), answers[k]) << "Alt with a letter is no answer";
        }
    }
}

TEST_F(TextTest, AMessageBoxIsCentredWithItsStopMarkOnlyForWrong) {
    const BoxLayout wrong = LayOutBox(L"WRONG!!!", L"ERROR", BoxIcon::Stop);
    EXPECT_EQ(wrong.box.x * 2 + wrong.box.columns, 80);
    EXPECT_GT(wrong.stopMark.columns, 0);
    EXPECT_GT(wrong.textColumn, wrong.stopMark.x + wrong.stopMark.columns);
    EXPECT_TRUE(wrong.box.Holds(wrong.okButton.y, wrong.okButton.x));
    const BoxLayout plain = LayOutBox(L"Are you idiot?!?", L"mendo", BoxIcon::None);
    EXPECT_EQ(plain.stopMark.columns, 0);
    const BoxLayout longText = LayOutBox(std::wstring(150, L'ж'), L"mendo", BoxIcon::None);
    EXPECT_LE(longText.box.columns, 80);
    EXPECT_EQ(longText.lines.size(), 3u);
}

}  // namespace
