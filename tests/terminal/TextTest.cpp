#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

#include "terminal/Charset.h"
#include "terminal/Input.h"
#include "terminal/MainView.h"
#include "terminal/MessageBox.h"
#include "terminal/TextLayout.h"

namespace {

class TerminalTextTest : public ::testing::Test {
protected:
    void SetUp() override { std::setlocale(LC_ALL, "C.UTF-8"); }
};

TEST_F(TerminalTextTest, GameTextsBecomeWideCharactersAndTypedTextComesBack) {
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

TEST_F(TerminalTextTest, OnlyALocaleWithCyrillicLettersWillDo) {
    EXPECT_TRUE(LocaleShowsCyrillic());
    std::setlocale(LC_ALL, "C");
    EXPECT_FALSE(LocaleShowsCyrillic());
}

TEST_F(TerminalTextTest, WrapsBetweenWordsAndAtLineFeeds) {
    EXPECT_EQ(WrapWords(L"one two three", 7), (std::vector<std::wstring>{L"one two", L"three"}));
    EXPECT_EQ(WrapWords(L"abcdefghij", 4), (std::vector<std::wstring>{L"abcd", L"efgh", L"ij"}));
    EXPECT_EQ(WrapWords(L"first \n second", 20), (std::vector<std::wstring>{L"first ", L" second"}))
        << "blanks around a line feed stay, as in the rules";
    EXPECT_EQ(WrapWords(L"", 5), (std::vector<std::wstring>{L""}));
}

TEST_F(TerminalTextTest, TabsStopEveryEightCells) {
    EXPECT_EQ(ExpandTabs(L"точки:\t250"), L"точки:  250");
    EXPECT_EQ(ExpandTabs(L"abcdefgh\t1"), L"abcdefgh        1");
    const std::wstring wide = L"\u4E2Da";
    EXPECT_EQ(CellWidth(wide), 3);
}

Event KeyEvent(int key, bool isFunctionKey = false, bool alt = false) {
    return Event{EventKind::Key, key, isFunctionKey, alt};
}

void ExpectKey(const Event& event, KeyName name, char32_t character, bool ctrl, bool alt) {
    const std::optional<Key> key = GameKey(event);
    ASSERT_TRUE(key) << event.key;
    EXPECT_EQ(key->name, name) << event.key;
    EXPECT_EQ(key->character, character) << event.key;
    EXPECT_EQ(key->ctrl, ctrl) << event.key;
    EXPECT_EQ(key->alt, alt) << event.key;
}

TEST_F(TerminalTextTest, TheTerminalsBytesBecomeTheGamesKeys) {
    ExpectKey(KeyEvent(L'д'), KeyName::Character, U'д', false, false);
    ExpectKey(KeyEvent(5), KeyName::Character, U'e', true, false);
    ExpectKey(KeyEvent(8), KeyName::Character, U'h', true, false);
    ExpectKey(KeyEvent(127), KeyName::Backspace, 0, false, false);
    ExpectKey(KeyEvent(KEY_BACKSPACE, true), KeyName::Backspace, 0, false, false);
    ExpectKey(KeyEvent(13), KeyName::Enter, 0, false, false);
    ExpectKey(KeyEvent(10), KeyName::Enter, 0, false, false);
    ExpectKey(KeyEvent(KEY_ENTER, true), KeyName::Enter, 0, false, false);
    ExpectKey(KeyEvent(27), KeyName::Escape, 0, false, false);
    ExpectKey(KeyEvent(KEY_F(10), true), KeyName::MenuBar, 0, false, false);
    ExpectKey(KeyEvent(KEY_LEFT, true), KeyName::Left, 0, false, false);
    ExpectKey(KeyEvent(L'а', false, true), KeyName::Character, U'а', false, true);
    ExpectKey(KeyEvent(L' ', false, true), KeyName::Character, U' ', false, true);
    for (const Event& nothing :
         {KeyEvent(9), KeyEvent(KEY_HOME, true), KeyEvent(KEY_F(1), true), KeyEvent(KEY_F(10), true, true)}) {
        EXPECT_FALSE(GameKey(nothing)) << nothing.key;
    }
    EXPECT_TRUE(IsInterrupt(KeyEvent(3)));
    EXPECT_FALSE(IsInterrupt(KeyEvent(3, false, true)));
}

TEST_F(TerminalTextTest, AGameBoxStandsRightOfTheLongestAnswerWhereItFitsAndMidScreenWhereItDoesNot) {
    const Rect right = MainView::RightOfAnswers();
    EXPECT_EQ(right.x, 9 + kAnswerSize - 1) << "answers start at column 9";
    EXPECT_EQ(right.x + right.columns, 80);
    const BoxLayout wrong = LayOutBox(L"WRONG!!!", L"ERROR", BoxIcon::Stop, right);
    EXPECT_GE(wrong.box.x, right.x);
    EXPECT_LE(wrong.box.x + wrong.box.columns, 80);
    EXPECT_EQ(wrong.box.y * 2 + wrong.box.lines, 24);
    EXPECT_GT(wrong.stopMark.columns, 0);
    EXPECT_EQ(wrong.stopMark.y, wrong.textRow);
    EXPECT_GT(wrong.textColumn, wrong.stopMark.x + wrong.stopMark.columns);
    EXPECT_TRUE(wrong.box.Holds(wrong.okButton.y, wrong.okButton.x));

    const BoxLayout plain = LayOutBox(L"Are you idiot?!?", L"mendo", BoxIcon::None, right);
    EXPECT_EQ(plain.stopMark.columns, 0);
    EXPECT_EQ(plain.textRow, plain.box.y + 2) << "below the caption and a blank line";
    EXPECT_GE(plain.box.x, right.x);

    // The longest refusal is wider than the room right of the answers.
    const BoxLayout enough = LayOutBox(L"Свърши се тя... стига ти за тази игра", L"mendo", BoxIcon::None, right);
    EXPECT_GT(enough.box.columns, right.columns);
    EXPECT_NEAR(enough.box.x * 2 + enough.box.columns, 80, 1);

    const BoxLayout longText = LayOutBox(std::wstring(150, L'ж'), L"mendo", BoxIcon::None, kWholeScreen);
    EXPECT_LE(longText.box.columns, 80);
    EXPECT_EQ(longText.lines.size(), 3u);
    EXPECT_EQ(longText.textRow + 2, longText.okButton.y - 2) << "three lines of text, a blank line, then OK";
}

TEST_F(TerminalTextTest, ABoxCoversALabelOfTheGaugesScaleWholeOrNotAtAll) {
    const std::vector<Rect> labels = MainView::ScaleLabels();
    ASSERT_EQ(labels.size(), 5u);
    EXPECT_EQ(labels[0].columns, 9) << "<--genius";
    EXPECT_EQ(labels[1].columns, 13) << "<--very smart";
    const std::wstring texts[] = {L"WRONG!!!",
                                  L"Мисля, че не си платежоспособен!",
                                  L"А точките аз ли да ти ги спечеля?!?",
                                  L"Свърши се тя... стига ти за тази игра",
                                  L"Сигурен съм, че е (A)",
                                  L"Are you idiot?!?"};
    for (const Rect& area : {MainView::RightOfAnswers(), kWholeScreen}) {
        for (const std::wstring& text : texts) {
            const Rect box = LayOutBox(text, L"mendo", BoxIcon::Stop, area).box;
            for (const Rect& label : labels) {
                if (label.y < box.y || label.y >= box.y + box.lines) {
                    continue;
                }
                const bool apart = box.x + box.columns <= label.x || label.x + label.columns <= box.x;
                const bool covered = box.x <= label.x && label.x + label.columns <= box.x + box.columns;
                EXPECT_TRUE(apart || covered)
                    << "the label at row " << label.y << " beside a box at " << box.x << " of " << box.columns;
            }
        }
    }
    // Centred right of the answers, the box of "WRONG!!!" would end in the middle of the labels.
    const Rect right = MainView::RightOfAnswers();
    const Rect wrong = LayOutBox(L"WRONG!!!", L"ERROR", BoxIcon::Stop, right).box;
    EXPECT_LE(std::abs((wrong.x - right.x) * 2 + wrong.columns - right.columns), 2 * 8) << "still near the middle";
}

TEST_F(TerminalTextTest, AFigureWithNoBreakSpacesStaysWholeAndShowsBlanks) {
    const std::wstring before = L"Mendo needs a terminal of at least 80 x 24 characters; this one is ";
    const std::wstring figure = std::wstring(L"70") + kNoBreakSpace + L"x" + kNoBreakSpace + L"20";
    const std::vector<std::wstring> plain = WrapWords(before + L"70 x 20.", 70);
    ASSERT_EQ(plain.size(), 2u);
    EXPECT_EQ(plain[1], L"x 20.") << "a blank breaks the figure";
    const std::vector<std::wstring> joined = WrapWords(before + figure + L".", 70);
    EXPECT_EQ(joined, (std::vector<std::wstring>{before.substr(0, before.size() - 1), L"70 x 20."}));
    EXPECT_EQ(WrapWords(figure, 3), (std::vector<std::wstring>{L"70 ", L"x 2", L"0"})) << "cut where nothing else fits";
}

TEST_F(TerminalTextTest, TheGaugeFillsInProportionInEighthsWhereTheyShowAndInWholeCellsElsewhere) {
    const std::wstring empty(10, L' ');
    const auto withBottom = [&](const std::wstring& bottom) { return empty.substr(bottom.size()) + bottom; };
    // The window's gauge runs over 24 steps, from 1 to 25 (10 points each): eighths of ten rows are 80.
    EXPECT_EQ(FilledColumn(0, 24, 10, true), empty);
    EXPECT_EQ(FilledColumn(-1, 24, 10, true), empty);
    EXPECT_EQ(FilledColumn(1, 24, 10, true), withBottom(L"\u2583")) << "20 points: 3 of 80 eighths";
    EXPECT_EQ(FilledColumn(2, 24, 10, true), withBottom(L"\u2587")) << "30 points: 7 of 80";
    EXPECT_EQ(FilledColumn(3, 24, 10, true), withBottom(L"\u2582\u2588")) << "40 points: 10 of 80";
    EXPECT_EQ(FilledColumn(12, 24, 10, true), withBottom(L"\u2588\u2588\u2588\u2588\u2588"));
    EXPECT_EQ(FilledColumn(23, 24, 10, true), L"\u2585" + std::wstring(9, kFullBlock)) << "77 of 80";
    EXPECT_EQ(FilledColumn(24, 24, 10, true), std::wstring(10, kFullBlock));
    EXPECT_EQ(FilledColumn(1, 24, 10, false), withBottom(L"\u2588")) << "anything shows";
    EXPECT_EQ(FilledColumn(12, 24, 10, false), withBottom(std::wstring(5, kFullBlock)));
    EXPECT_EQ(FilledColumn(23, 24, 10, false), L" " + std::wstring(9, kFullBlock)) << "only the whole is full";

    EXPECT_TRUE(LocaleShows(kBlocks));
    std::setlocale(LC_ALL, "C");
    EXPECT_FALSE(LocaleShows(kBlocks));
    EXPECT_TRUE(LocaleShows(L"plain"));
}

TEST_F(TerminalTextTest, TheProgramsNameComesInTheLocalesCharacterSet) {
    // "мендо" in UTF-8, as the name of a file in this locale.
    EXPECT_EQ(FromLocale("\xD0\xBC\xD0\xB5\xD0\xBD\xD0\xB4\xD0\xBE"), L"мендо");
    EXPECT_EQ(FromLocale("a\xFF"
                         "b\xD0"),
              L"a?b?")
        << "a byte that is no character, and one cut short";
    EXPECT_EQ(FromLocale(""), L"");
}

}  // namespace
