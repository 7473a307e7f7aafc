#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <panel.h>

#include "TerminalFixture.h"
#include "terminal/AboutBox.h"
#include "terminal/Charset.h"
#include "terminal/Input.h"
#include "terminal/MessageBox.h"

namespace {

const std::wstring kStartQuestion = L"От меню Game изберете нивото, на което ще играете.";
const std::wstring kEndQuestion = L"От меню Game изберете нивото, на което, ще играете.";
const std::wstring kStartAnswerA = L"Играта е в експериментална фаза";
const std::wstring kStartAnswerD = L"да намерите на сайта ми.";

constexpr int kControlE = 5;
constexpr int kControlH = 8;
constexpr int kControlL = 12;
constexpr int kEnter = 13;
constexpr int kMarkerColumn = 5;
constexpr int kHelpRow = 7;
constexpr int kRemoveColumn = 62;
constexpr int kRevealColumn = 68;

using TerminalFrontendTest = TerminalFixture;

std::wstring Answer(const CTriviaGame& game, int question, int k) {
    return ToWide(game.m_round[question].szAnswer[k - 1]);
}

TEST_F(TerminalFrontendTest, TheStartScreenShowsTheStartTextsFromTheFirstTick) {
    events.Then([&] {
        EXPECT_TRUE(Shows(kStartQuestion));
        EXPECT_FALSE(Shows(kStartAnswerA)) << "held texts wait for the first tick";
        EXPECT_TRUE(Shows(L"Velt's Mendo"));
    });
    events.Tick().Then([&] {
        EXPECT_TRUE(Shows(kStartAnswerA));
        EXPECT_TRUE(Shows(kStartAnswerD));
        EXPECT_EQ(Cells(21, 2, 8), L"12:34:56");
        EXPECT_FALSE(Shows(L"точки")) << "no score before a game";
        EXPECT_EQ(NumberShown(), L"") << "no number before a game";
    });
    events.Key(L'a').Key(L'1').Key(L'5').Key(kEnter).Key(kEscapeKey).Tick().Then([&] {
        EXPECT_TRUE(Shows(kStartAnswerA)) << "answers and helps do nothing before a game";
        EXPECT_FALSE(Shows(L"OK"));
    });
    Play();
}

TEST_F(TerminalFrontendTest, ALevelStartsByItsKeysAndShowsItsFirstQuestionAtOnce) {
    events.Tick().Key(kControlE).Then([&] {
        const CTriviaGame& game = frontend.Game();
        EXPECT_EQ(game.m_nLevel, kEasy);
        EXPECT_EQ(QuestionShown(), ToWide(game.m_round[0].szQuestion));
        EXPECT_EQ(NumberShown(), L"1.");
        EXPECT_EQ(AnswerShown(1), Answer(game, 0, 1));
        EXPECT_EQ(AnswerShown(4), Answer(game, 0, 4));
        EXPECT_EQ(ScoreShown(), L"точки:  0");
    });
    events.Key(kControlH).Then([&] { EXPECT_EQ(frontend.Game().m_nLevel, kHard); });
    events.FunctionKey(KEY_BACKSPACE).Key(kControlL).Then([&] { EXPECT_EQ(frontend.Game().m_nLevel, kLogic); });
    events.Key(127).Then([&] { EXPECT_EQ(frontend.Game().m_nLevel, kHard) << "Backspace sent as Delete"; });
    Play();
}

TEST_F(TerminalFrontendTest, RightAnswersByKeyInBothLayoutsAndByReleaseOverAMarker) {
    const wchar_t cyrillic[] = L"абцд";
    events.Tick().Key(kControlE).Then([&] { events.Key(RightLetter()); });
    events.Then([&] {
        EXPECT_EQ(NumberShown(), L"2.") << "the number shows at once";
        EXPECT_EQ(ScoreShown(), L"точки:  0") << "the score waits for the tick";
        EXPECT_EQ(AnswerShown(1), Answer(frontend.Game(), 0, 1)) << "so do the answers";
        events.Key(cyrillic[RightAnswer() - 1]);
    });
    events.Then([&] { events.Key(towupper(RightLetter())); });
    events.Tick().Then([&] {
        EXPECT_EQ(frontend.Game().m_nScore, 30);
        EXPECT_EQ(NumberShown(), L"4.");
        EXPECT_EQ(ScoreShown(), L"точки:  30");
        const int right = RightAnswer();
        const int wrong = right % kAnswerCount + 1;
        // Pressed on a wrong marker, released on the right one: the release counts.
        events.Press(kAnswerRows[wrong - 1], kMarkerColumn).Then([&, wrong] {
            EXPECT_EQ(Cells(kAnswerRows[wrong - 1], 4, 3), L"(*)");
        });
        events.Release(kAnswerRows[right - 1], kMarkerColumn - 1);
    });
    events.Then([&] {
        EXPECT_EQ(frontend.Game().m_nScore, 40);
        // Pressed on the right marker, released off every marker: nothing.
        events.Press(kAnswerRows[RightAnswer() - 1], kMarkerColumn).Release(kAnswerRows[RightAnswer() - 1], 20);
        events.Click(kAnswerRows[RightAnswer() - 1], 12);  // on the answer's text
    });
    events.Then([&] {
        EXPECT_EQ(frontend.Game().m_nScore, 40);
        EXPECT_FALSE(Shows(L"(*)")) << "the marker is up again";
    });
    Play();
}

TEST_F(TerminalFrontendTest, UnderWrongTheLongestRightAnswerShowsWholeAndAloneThenTheEndScreen) {
    // The second question's right answer becomes as long as an answer can be, in a row that the
    // box stands beside: A in the first game, B in the second.
    const char longest[] = "Отговор, дълъг цели 29 знака!";
    static_assert(sizeof longest == kAnswerSize, "the longest answer a record holds");
    for (int right = 1; right <= 2; ++right) {
        events.Tick().Key(kControlE).Then([&, right] {
            RoundRecord& second = frontend.Game().m_round[1];
            std::strcpy(second.szAnswer[right - 1], longest);
            second.nCorrect = static_cast<unsigned char>(right);
            events.Key(RightLetter());
        });
        events.Tick().Then([&] { events.Key(WrongLetter()); });
        events.Then([&] {
            const BoxLayout wrong = LayOutBox(L"WRONG!!!", L"ERROR", BoxIcon::Stop, MainView::RightOfAnswers());
            EXPECT_EQ(Cells(wrong.textRow, wrong.textColumn, 8), L"WRONG!!!");
            EXPECT_EQ(Cells(wrong.box.y, wrong.box.x, 7), L" ERROR");
            EXPECT_EQ(Cells(wrong.stopMark.y, wrong.stopMark.x, 3), L"(X)");
            EXPECT_EQ(AttributesAt(wrong.stopMark.y, wrong.stopMark.x), InkOf(Ink::Stop));
            EXPECT_TRUE(Shows(L"[  OK  ]"));
            EXPECT_EQ(NumberShown(), L"2.") << "the number stays while the box is open";
            EXPECT_EQ(AttributesAt(3, 2), InkOf(Ink::Game)) << "in the main screen's colours";
        });
        events.Tick().Then([&, right] {
            for (int k = 1; k <= kAnswerCount; ++k) {
                EXPECT_EQ(Cells(kAnswerRows[k - 1], kAnswerColumn, kAnswerSize - 1), k == right ? ToWide(longest) : L"")
                    << "answer " << k;
            }
            EXPECT_TRUE(Shows(L"точки:  10"));
            events.Key(L'a').Key(kControlE);  // nothing reaches the game under the box
        });
        events.Then([&] { EXPECT_EQ(frontend.Game().m_nLevel, kNoGame); });
        events.Key(L' ').Then([&] {
            EXPECT_FALSE(Shows(L"WRONG!!!"));
            EXPECT_TRUE(Shows(kEndQuestion));
            EXPECT_EQ(NumberShown(), L"");
        });
        events.Tick().Then([&] {
            EXPECT_TRUE(Shows(kStartAnswerA));
            EXPECT_FALSE(Shows(L"точки"));
        });
    }
    Play();
}

TEST_F(TerminalFrontendTest, HelpsBoughtByKeyAndButtonAndRefused) {
    events.Tick().Key(kControlE).Tick().Key(L'1').Then([&] {
        EXPECT_TRUE(Shows(L"Мисля, че не си платежоспособен!"));
        EXPECT_TRUE(Shows(L" mendo")) << "the program's name as caption";
    });
    events.Key(kEnter).Click(kHelpRow, kRevealColumn).Then([&] {
        EXPECT_TRUE(Shows(L"А точките аз ли да ти ги спечеля?!?"));
        events.Key(kEscapeKey);
        for (int i = 0; i < 6; ++i) {
            events.Then([&] { events.Key(RightLetter()); });
        }
    });
    events.Then([&] {
        EXPECT_EQ(frontend.Game().m_nScore, 60);
        events.Click(kHelpRow, kRemoveColumn);
    });
    events.Then([&] {
        EXPECT_EQ(ScoreShown(), L"точки:  50") << "a help shows at once";
        int blank = 0;
        for (int k = 0; k < kAnswerCount; ++k) {
            blank += AnswerShown(k + 1).empty();
        }
        EXPECT_EQ(blank, 1);
        events.Key(L'5');
    });
    events.Then([&] {
        EXPECT_EQ(ScoreShown(), L"точки:  0");
        for (int k = 1; k <= kAnswerCount; ++k) {
            EXPECT_EQ(AnswerShown(k).empty(), k != RightAnswer());
        }
        events.Key(L'1');
    });
    events.Then([&] { EXPECT_TRUE(Shows(L"Мисля, че не си платежоспособен!")); });
    Play();
}

TEST_F(TerminalFrontendTest, TheWinScreenAfterTwentyFiveRightAnswers) {
    events.Tick().Key(kControlL);
    for (int i = 0; i < kRoundLength; ++i) {
        events.Then([&] { events.Key(RightLetter()); });
    }
    events.Then([&] {
        EXPECT_EQ(QuestionShown(), L"Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!");
        EXPECT_EQ(NumberShown(), L"") << "no number";
        EXPECT_EQ(ScoreShown(), L"точки:  250") << "the score shows at once";
        EXPECT_EQ(AnswerShown(1), L"");
        for (int row = 10; row < 20; ++row) {
            EXPECT_EQ(AttributesAt(row, 61), InkOf(Ink::Gauge)) << "the gauge is full, row " << row;
        }
        events.Key(L'a').Key(L'1');
    });
    events.Then([&] { EXPECT_FALSE(Shows(L"OK")) << "nothing after a win"; });
    Play();
}

TEST_F(TerminalFrontendTest, MenusByKeyAndMouse) {
    events.Tick().FunctionKey(KEY_F(10)).Then([&] { EXPECT_TRUE(Shows(L"Easy        Ctrl+E")); });
    events.FunctionKey(KEY_DOWN).Key(kEnter).Then([&] {
        EXPECT_EQ(frontend.Game().m_nLevel, kHard);
        EXPECT_FALSE(Shows(L"Easy        Ctrl+E")) << "the menu has gone";
    });
    events.Press(1, 3).Release(5, 4).Then([&] { EXPECT_EQ(frontend.Game().m_nLevel, kLogic); });
    events.Alt(L'g').Key(L'e').Then([&] { EXPECT_EQ(frontend.Game().m_nLevel, kEasy); });
    events.Click(1, 3).Then([&] { EXPECT_TRUE(Shows(L"Easy        Ctrl+E")) << "the click that opened it keeps it"; });
    events.Click(20, 20).Then([&] { EXPECT_FALSE(Shows(L"Easy        Ctrl+E")) << "a click elsewhere closes"; });
    events.FunctionKey(KEY_F(10)).FunctionKey(KEY_LEFT).Then([&] {
        EXPECT_TRUE(Shows(L"About Mendo..."));
        EXPECT_TRUE(Shows(L"Close"));
    });
    events.FunctionKey(KEY_LEFT).Key(kEnter).Then([&] { EXPECT_TRUE(Shows(L"web:")) << "About from the menu bar"; });
    events.Key(kEscapeKey).Press(0, 1).Release(2, 3);  // the window menu's Close
    frontend.Run();
    EXPECT_TRUE(events.Done());
}

TEST_F(TerminalFrontendTest, TheClickThatClosesABoxOrMenuReachesNothingUnderIt) {
    const AboutLayout about = LayOutAbout();
    events.Tick().Key(kControlE).Tick().Then([&] {
        const int rightRow = kAnswerRows[RightAnswer() - 1];
        const int wrongRow = kAnswerRows[RightAnswer() % kAnswerCount];
        ASSERT_TRUE(about.box.Holds(rightRow, kMarkerColumn));
        // In the About box over the right answer's marker: the box closes, and that is all.
        events.Alt(L'a').Click(rightRow, kMarkerColumn).Then([&] {
            EXPECT_FALSE(Shows(L"web:"));
            EXPECT_EQ(NumberShown(), L"1.");
            EXPECT_FALSE(Shows(L"(*)"));
        });
        // On a wrong answer's marker, off the open menu: the menu closes and the game goes on.
        events.FunctionKey(KEY_F(10)).Click(wrongRow, kMarkerColumn).Then([&] {
            EXPECT_FALSE(Shows(L"Easy        Ctrl+E"));
            EXPECT_EQ(frontend.Game().m_nLevel, kEasy);
            EXPECT_FALSE(Shows(L"WRONG!!!"));
        });
        // Pressed in the About box, released over the close button: the game goes on.
        events.Alt(L'a').Press(about.box.y + about.box.lines - 2, about.box.x + 1).Release(0, kScreenColumns - 2);
        // A menu that a key opened and closed while the button was held takes no release.
        events.Press(rightRow, kMarkerColumn).FunctionKey(KEY_F(10)).Key(kEscapeKey);
        events.Release(rightRow, kMarkerColumn).Then([&] { EXPECT_EQ(NumberShown(), L"2."); });
    });
    Play();
}

TEST_F(TerminalFrontendTest, ButtonsActOnlyWhenPressedAndReleasedOnThem) {
    const BoxLayout refusal =
        LayOutBox(L"Мисля, че не си платежоспособен!", L"mendo", BoxIcon::None, MainView::RightOfAnswers());
    events.Tick().Key(kControlE).Tick();
    events.Press(20, 20).Release(0, kScreenColumns - 2);
    events.Press(20, 20).Release(kHelpRow, kRemoveColumn);
    events.Press(kHelpRow, kRevealColumn).Release(kHelpRow, kRemoveColumn);
    events.Press(kHelpRow, kRemoveColumn).Release(kHelpRow, kRevealColumn);
    events.Press(20, 20).Release(1, 9);
    events.Press(1, 3).Release(1, 9).Then([&] {
        EXPECT_TRUE(Shows(L"Easy        Ctrl+E")) << "the menu opened at the press stays";
        EXPECT_FALSE(Shows(L"web:"));
        EXPECT_FALSE(Shows(L"OK"));
    });
    events.Click(1, 9).Then([&] { EXPECT_TRUE(Shows(L"web:")) << "About at its click in the menu bar"; });
    events.Key(kEscapeKey).Click(1, 9).Then([&] { EXPECT_TRUE(Shows(L"web:")) << "and on the main screen"; });
    events.Key(kEscapeKey).Click(kHelpRow, kRemoveColumn).Then([&] { EXPECT_TRUE(Shows(L"платежоспособен")); });
    events.Press(refusal.box.y + 1, refusal.box.x + 1).Release(refusal.okButton.y, refusal.okButton.x).Then([&] {
        EXPECT_TRUE(Shows(L"платежоспособен")) << "OK acts only at its own click";
    });
    events.Click(refusal.okButton.y, refusal.okButton.x + 2).Then([&] { EXPECT_FALSE(Shows(L"платежоспособен")); });
    events.Click(0, kScreenColumns - 2);
    frontend.Run();
    EXPECT_TRUE(events.Done()) << "the close button closed the game";
    EXPECT_EQ(frontend.Game().m_nScore, 0);
}

TEST_F(TerminalFrontendTest, UnderTheAboutBoxAClockSecondDrawsOnlyTheClock) {
    const AboutLayout about = LayOutAbout();
    events.Tick().Alt(L'a').Then([&] {
        // A mark on the box's own window, which only a new drawing of the box would wipe.
        mvwaddnwstr(panel_window(panel_below(nullptr)), 1, 1, L"#", 1);
    });
    events.Tick().Then([&] {
        EXPECT_EQ(Cells(21, 2, 8), L"12:34:57");
        EXPECT_EQ(Cells(about.box.y + 1, about.box.x + 1, 1), L"#");
    });
    events.Key(kEscapeKey);
    Play();
}

TEST_F(TerminalFrontendTest, TheHintCodeShowsTheLetterWithEveryRuleOfTheTypedText) {
    wchar_t letter = 0;
    events.Tick().Key(kControlE).Tick().Then([&] { letter = static_cast<wchar_t>(L'A' + RightAnswer() - 1); });
    events.Click(1, 9).Then([&] {
        EXPECT_TRUE(Shows(L"http://mendo.test"));
        EXPECT_TRUE(Shows(L"hi@mendo.test"));
        EXPECT_TRUE(Shows(L"версия " MENDO_VERSION));
        EXPECT_TRUE(Shows(L"Имате 25 въпроса."));
        EXPECT_TRUE(Shows(L"За направата на тази игра искам да благодаря на мене, щото съм си аз!!!"));
        const AboutLayout about = LayOutAbout();
        EXPECT_EQ(Cells(about.webLink.y, about.webLink.x, about.webLink.columns), L"http://mendo.test");
        EXPECT_EQ(Cells(about.mailLink.y, about.mailLink.x, about.mailLink.columns), L"hi@mendo.test");
        EXPECT_EQ(AttributesAt(about.webLink.y, about.webLink.x), InkOf(Ink::Link));
        EXPECT_EQ(AttributesAt(about.mailLink.y, about.mailLink.x + 3), InkOf(Ink::Link));
        EXPECT_NE(InkOf(Ink::Link), InkOf(Ink::About));
        EXPECT_FALSE(Shows(L"7485")) << "typed blind";
    });
    events.Type(L"7485").Then([&] {
        EXPECT_TRUE(Shows(std::wstring(L"Сигурен съм, че е (") + letter + L")"));
        EXPECT_TRUE(Shows(L"Hello My Master"));
    });
    // Again in the same showing; a character before the code spoils it until the 5th clears.
    events.Key(kEnter).Type(L"17485").Then([&] { EXPECT_FALSE(Shows(L"Hello My Master")); });
    events.Type(L"7485").Then([&] { EXPECT_TRUE(Shows(L"Hello My Master")); });
    // A deletion is a change: "74851" is cleared at its 5th character, "748" and "5" make the code.
    events.Key(kEnter).Type(L"7486").Key(kControlH).Type(L"5").Then([&] { EXPECT_TRUE(Shows(L"Hello My Master")); });
    const AboutLayout about = LayOutAbout();
    events.Key(kEnter).Click(about.webLink.y, about.webLink.x + 2).Click(about.mailLink.y, about.mailLink.x).Then([&] {
        EXPECT_TRUE(Shows(L"web:")) << "a click on a link keeps the box";
    });
    events.Click(about.box.y + about.box.lines - 2, about.box.x + 1).Then([&] {
        EXPECT_FALSE(Shows(L"web:")) << "a click elsewhere in the box closes it";
    });
    events.Alt(L' ').Key(L'a').Type(L"7485").Then(
        [&] { EXPECT_TRUE(Shows(std::wstring(L"Най-вероятно е (") + letter + L")")); });
    events.Key(kEnter).Key(kEnter).Then([&] {
        EXPECT_FALSE(Shows(L"Тайната врата!")) << "the hint code left the text empty";
        EXPECT_EQ(frontend.Game().m_nCurrent, 0) << "the codes change nothing in the game";
    });
    Play();
}

TEST_F(TerminalFrontendTest, TheSecretDoorOpensOnlyAfterTheWindowMenusAbout) {
    events.Tick().Alt(L'a').Type(L"7485").Then([&] { EXPECT_TRUE(Shows(L"(?)")) << "no question pending"; });
    events.Key(kEnter).Type(L"3907").Key(kEscapeKey).Then([&] { EXPECT_FALSE(Shows(L"Тайната врата!")); });
    events.Alt(L' ').Key(L'a').Type(L"39071").Key(kEscapeKey).Then([&] { EXPECT_FALSE(Shows(L"Тайната врата!")); });
    events.Alt(L' ').Key(L'a').Type(L"3908").FunctionKey(KEY_BACKSPACE).Type(L"7").Then([&] {
        EXPECT_FALSE(Shows(L"Тайната врата!")) << "not while the About box is open";
    });
    events.Key(kEnter).Then([&] {
        EXPECT_TRUE(Shows(L"Очаквам заповедите Ви!"));
        EXPECT_TRUE(Shows(L"Тайната врата!"));
        EXPECT_FALSE(Shows(L"web:"));
    });
    events.Key(kEnter).Then([&] { EXPECT_FALSE(Shows(L"Очаквам")); });
    Play();
}

TEST_F(TerminalFrontendTest, ASmallTerminalAsksForMoreAndTheGameGoesOnWhenItGrows) {
    events.Tick().Key(kControlE).Tick().Key(L'1').Then([&] { resizeterm(20, 60); });
    events.Resize().Then([&] {
        std::wstring top;
        for (int y = 0; y < 3; ++y) {
            wchar_t line[61] = L"";
            mvwinnwstr(curscr, y, 0, line, 60);
            top += line;
        }
        EXPECT_NE(top.find(L"at least 80 x 24"), std::wstring::npos) << std::string(top.begin(), top.end());
        EXPECT_NE(top.find(L"60 x 20"), std::wstring::npos);
    });
    events.Key(kEnter).Key(kControlL).Tick().Then([&] {
        EXPECT_EQ(frontend.Game().m_nLevel, kEasy) << "keys wait for a terminal large enough";
        resizeterm(30, 100);
    });
    events.Resize().Then([&] {
        EXPECT_EQ(OriginY(), 3);
        EXPECT_EQ(OriginX(), 10);
        EXPECT_TRUE(Shows(L"Мисля, че не си платежоспособен!")) << "the box is back over the screen";
        EXPECT_TRUE(Shows(L"точки:  0"));
    });
    events.Key(kEnter).Click(1, 3).Then(
        [&] { EXPECT_FALSE(Shows(L"Easy        Ctrl+E")) << "clicks move with the screen"; });
    events.Click(3 + 1, 10 + 3).Then([&] { EXPECT_TRUE(Shows(L"Easy        Ctrl+E")); });
    events.Key(kEscapeKey);
    Play();
}

TEST_F(TerminalFrontendTest, AnInterruptOrQuitEndsTheGameFromInsideABox) {
    events.Tick().Key(kControlE).Tick().Then([&] { events.Key(WrongLetter()); });
    events.Then([&] { EXPECT_TRUE(Shows(L"WRONG!!!")); });
    events.Key(kInterruptKey).Key(L'x');
    frontend.Run();
    EXPECT_FALSE(events.Done()) << "nothing is read after the interrupt";
    EXPECT_EQ(frontend.Game().m_nLevel, kNoGame);
}

TEST_F(TerminalFrontendTest, KeysThatMeanNothingChangeNothing) {
    events.Tick().Key(kControlE).Tick().Then([&] {
        const std::wstring before = Screen();
        for (int key : {KEY_F(1), KEY_F(12), KEY_HOME, KEY_NPAGE, KEY_UP, KEY_MOUSE}) {
            events.FunctionKey(key);
        }
        events.Alt(L'x').Alt(L'1').Key(kEscapeKey).Key(kEnter).Key(L'\t').Key(L'z').Key(L'я').Key(0x1F600);
        events.Type(L"xyz!@#  ").Key(0xFFFD).Then([&, before] { EXPECT_EQ(Screen(), before); });
    });
    Play();
}

}  // namespace
