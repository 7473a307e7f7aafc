#include <gtest/gtest.h>

#include <string>

#include "about/AboutTexts.h"
#include "engine/StartTexts.h"
#include "play/GameSession.h"
#include "res/resource.h"

namespace {

const std::string kEndQuestion = "От меню Game изберете нивото, на което, ще играете.";

Key Typed(char32_t character) {
    return {KeyName::Character, character, false, false};
}
Key Ctrl(char32_t letter) {
    return {KeyName::Character, letter, true, false};
}
Key Alt(char32_t character) {
    return {KeyName::Character, character, false, true};
}
Key Named(KeyName name) {
    return {name, 0, false, false};
}

Target Marker(int answer) {
    return {Place::Marker, answer};
}
Target Title(MenuTitle title) {
    return {Place::MenuTitle, static_cast<int>(title)};
}
Target Item(int item) {
    return {Place::MenuItem, item};
}
const Target kNothing{};
const Target kOk{Place::BoxOk};
const Target kInBox{Place::Box};
const Target kRemove{Place::Remove};
const Target kCloseButton{Place::Close};

// The play layer with a player in front of it: no terminal, no window, only what it shows.
class PlayTest : public ::testing::Test {
protected:
    void SetUp() override { CTriviaGame::s_lastRemoved = 0; }

    void Type(const Key& key) { session.Type(key); }
    void Type(const std::u32string& keys) {
        for (char32_t key : keys) {
            session.Type(Typed(key));
        }
    }
    void Click(const Target& target) {
        session.Press(target);
        session.Release(target);
    }
    void Tick() {
        session.Tick(12, 34, m_seconds);
        m_seconds = (m_seconds + 1) % 60;
    }

    int RightAnswer() { return session.Game().m_round[session.Game().m_nCurrent].nCorrect; }
    int WrongAnswer() { return RightAnswer() % kAnswerCount + 1; }
    char32_t Letter(int answer) { return static_cast<char32_t>(U'a' + answer - 1); }
    std::string RightText() { return session.Game().m_round[session.Game().m_nCurrent].szAnswer[RightAnswer() - 1]; }

    const Box* Top() const { return session.Boxes().empty() ? nullptr : &session.Boxes().back(); }
    std::string TopText() const { return Top() != nullptr ? Top()->text : ""; }
    bool AboutOpen() const { return Top() != nullptr && Top()->kind == BoxKind::About; }

    // An Easy game with its first question shown.
    void StartEasy() {
        Type(Ctrl(U'e'));
        Tick();
    }

    GameSession session;

private:
    int m_seconds = 56;
};

using PlayTicks = PlayTest;

TEST_F(PlayTicks, TheStartQuestionShowsAtOnceAndItsAnswersAtTheFirstTick) {
    EXPECT_EQ(session.Screen().question, kStartQuestion);
    EXPECT_EQ(session.Screen().answer[0], "") << "held texts wait for the first tick";
    EXPECT_EQ(session.Screen().clock, "");
    session.Tick(9, 5, 3);
    EXPECT_EQ(session.Screen().clock, "09:05:03");
    for (int k = 0; k < kAnswerCount; ++k) {
        EXPECT_EQ(session.Screen().answer[k], kStartAnswers[k]);
    }
    EXPECT_EQ(session.Screen().score, "") << "no score before a game";
    EXPECT_EQ(session.Screen().number, "");
    session.Tick(23, 59, 59);
    EXPECT_EQ(session.Screen().clock, "23:59:59");
}

TEST_F(PlayTicks, ARightAnswerShowsItsNumberAtOnceAndItsAnswersAndScoreAtTheNextTick) {
    StartEasy();
    EXPECT_EQ(session.Screen().number, "1.");
    EXPECT_EQ(session.Screen().score, "точки:\t0");
    const std::string firstAnswer = session.Screen().answer[0];
    Type(Typed(Letter(RightAnswer())));
    EXPECT_EQ(session.Screen().number, "2.");
    EXPECT_EQ(session.Screen().rank, 1);
    EXPECT_EQ(session.Screen().score, "точки:\t0") << "the score waits for the tick";
    EXPECT_EQ(session.Screen().answer[0], firstAnswer) << "so do the answers";
    Tick();
    EXPECT_EQ(session.Screen().score, "точки:\t10");
    EXPECT_EQ(session.Screen().answer[0], session.Game().m_round[1].szAnswer[0]);
}

using PlayBoxes = PlayTest;

TEST_F(PlayBoxes, UnderWrongTheRightAnswerStandsAloneUntilTheBoxClosesThenTheEndScreen) {
    StartEasy();
    Type(Typed(Letter(RightAnswer())));
    Tick();
    const std::string right = RightText();
    const int rightAnswer = RightAnswer();
    Type(Typed(Letter(WrongAnswer())));
    ASSERT_NE(Top(), nullptr);
    EXPECT_EQ(Top()->text, "WRONG!!!");
    EXPECT_EQ(Top()->caption, std::optional<std::string>("ERROR"));
    EXPECT_EQ(Top()->icon, BoxIcon::Stop);
    EXPECT_EQ(session.Game().m_nLevel, kNoGame) << "the game is over while the box is open";
    for (int tick = 0; tick < 3; ++tick) {
        for (int k = 1; k <= kAnswerCount; ++k) {
            EXPECT_EQ(session.Screen().answer[k - 1], k == rightAnswer ? right : "") << "answer " << k;
        }
        EXPECT_EQ(session.Screen().number, "2.");
        EXPECT_EQ(session.Screen().score, "точки:\t10");
        EXPECT_EQ(session.Screen().rank, 1);
        const std::string clock = session.Screen().clock;
        Tick();
        EXPECT_NE(session.Screen().clock, clock) << "the clock goes on under the box";
    }
    Type(Typed(U'a'));
    Type(Ctrl(U'e'));
    Click(Marker(rightAnswer));
    Click(kRemove);
    EXPECT_EQ(session.Game().m_nLevel, kNoGame) << "nothing reaches the game under the box";
    EXPECT_EQ(session.Boxes().size(), 1u);

    Type(Typed(U' '));
    EXPECT_TRUE(session.Boxes().empty());
    EXPECT_EQ(session.Screen().question, kEndQuestion);
    EXPECT_EQ(session.Screen().number, "");
    EXPECT_EQ(session.Screen().rank, 0);
    EXPECT_EQ(session.Screen().answer[rightAnswer - 1], right) << "the held answers wait for the tick";
    Tick();
    EXPECT_EQ(session.Screen().answer[0], kStartAnswers[0]);
    EXPECT_EQ(session.Screen().score, "");
}

TEST_F(PlayBoxes, EnterEscSpaceAndAClickOnOkCloseABoxAndNothingElseDoes) {
    StartEasy();
    Type(Typed(U'1'));
    EXPECT_EQ(TopText(), "Мисля, че не си платежоспособен!");
    EXPECT_EQ(Top()->caption, std::nullopt) << "the program's name as caption";
    for (const Key& key : {Named(KeyName::Enter), Named(KeyName::Escape), Typed(U' ')}) {
        Type(key);
        EXPECT_EQ(Top(), nullptr);
        Type(Typed(U'5'));
        EXPECT_EQ(TopText(), "А точките аз ли да ти ги спечеля?!?");
    }
    session.Press(kInBox);
    session.Release(kOk);
    session.Press(kOk);
    session.Release(kInBox);
    Type(Typed(U'x'));
    Type(Alt(U'a'));
    Type(Named(KeyName::MenuBar));
    EXPECT_EQ(session.Boxes().size(), 1u) << "OK acts only at its own click; other keys do nothing";
    EXPECT_FALSE(session.Menu());
    Click(kOk);
    EXPECT_TRUE(session.Boxes().empty());
    EXPECT_EQ(session.Game().m_nScore, 0) << "a refusal changes nothing";
}

TEST_F(PlayBoxes, EveryOpeningAndClosingChangesTheRevision) {
    const unsigned start = session.Revision();
    Tick();
    StartEasy();
    EXPECT_EQ(session.Revision(), start) << "the game and its clock are no menu or box";
    Type(Typed(U'1'));
    const unsigned open = session.Revision();
    EXPECT_NE(open, start);
    Tick();
    EXPECT_EQ(session.Revision(), open);
    Type(Named(KeyName::Enter));
    EXPECT_NE(session.Revision(), open);
}

TEST_F(PlayBoxes, AMessageOfTheEditionTakesTheInputOverAMenuOrTheAboutBoxUntilItCloses) {
    StartEasy();
    Type(Named(KeyName::MenuBar));
    const unsigned menuOpen = session.Revision();
    session.ShowMessage("quiz.txt:3:1: error: one\nquiz.txt: two", "quiz.txt");
    EXPECT_FALSE(session.Menu()) << "the menu closes under the box";
    EXPECT_NE(session.Revision(), menuOpen);
    ASSERT_EQ(session.Boxes().size(), 1u);
    EXPECT_EQ(Top()->kind, BoxKind::Message);
    EXPECT_EQ(TopText(), "quiz.txt:3:1: error: one\nquiz.txt: two");
    EXPECT_EQ(Top()->caption, std::optional<std::string>("quiz.txt"));
    EXPECT_EQ(Top()->icon, BoxIcon::None);
    Type(Typed(Letter(RightAnswer())));
    Click(Marker(RightAnswer()));
    EXPECT_EQ(session.Game().m_nCurrent, 0) << "nothing under the box takes input";
    Type(Named(KeyName::Escape));
    EXPECT_TRUE(session.Boxes().empty());

    Type(Alt(U'a'));
    Type(U"74");
    session.ShowMessage("two", "quiz.txt");
    Type(U"85");
    Click(kOk);
    ASSERT_TRUE(AboutOpen()) << "the About box stays under the message";
    Type(U"85");
    EXPECT_EQ(TopText().rfind("Сигурен съм, че е (", 0), 0u) << "its code went on where it was";
}

using PlayMenus = PlayTest;

TEST_F(PlayMenus, TheGameMenuByKeysArrowsAndLetters) {
    Type(Named(KeyName::MenuBar));
    ASSERT_TRUE(session.Menu());
    EXPECT_EQ(session.Menu()->title, MenuTitle::Game);
    ASSERT_EQ(session.Menu()->items.size(), 3u);
    EXPECT_EQ(ItemLabel(session.Menu()->items[0].text), "Easy");
    EXPECT_EQ(ItemShortcut(session.Menu()->items[0].text), "Ctrl+E");
    Type(Named(KeyName::Down));
    Type(Named(KeyName::Down));
    Type(Named(KeyName::Down));
    Type(Named(KeyName::Up));
    EXPECT_EQ(session.Menu()->chosen, 2) << "the arrows go round";
    Type(Named(KeyName::Enter));
    EXPECT_FALSE(session.Menu());
    EXPECT_EQ(session.Game().m_nLevel, kLogic);

    Type(Alt(U'г'));
    Type(Typed(U'H'));
    EXPECT_FALSE(session.Menu());
    EXPECT_EQ(session.Game().m_nLevel, kHard) << "an item's letter in either case";
    Type(Alt(U'g'));
    Type(Typed(Letter(RightAnswer())));
    Type(Named(KeyName::Escape));
    EXPECT_FALSE(session.Menu());
    EXPECT_EQ(session.Game().m_nCurrent, 0) << "keys in a menu do not answer";
}

TEST_F(PlayMenus, LeftAndRightGoThroughTheTitlesAndTheWindowMenuHoldsCloseAndAbout) {
    Type(Named(KeyName::MenuBar));
    Type(Named(KeyName::Left));
    ASSERT_EQ(session.Menu()->title, MenuTitle::Window);
    ASSERT_EQ(session.Menu()->items.size(), 3u);
    EXPECT_EQ(ItemLabel(session.Menu()->items[0].text), "Close");
    EXPECT_EQ(session.Menu()->items[1].text, nullptr);
    EXPECT_EQ(ItemLabel(session.Menu()->items[2].text), "About Mendo...");
    Type(Named(KeyName::Down));
    EXPECT_EQ(session.Menu()->chosen, 2) << "over the line between the groups";
    Type(Named(KeyName::Left));
    EXPECT_EQ(session.Menu()->title, MenuTitle::About);
    EXPECT_TRUE(session.Menu()->items.empty());
    Type(Named(KeyName::Right));
    Type(Named(KeyName::Right));
    EXPECT_EQ(session.Menu()->title, MenuTitle::Game);
    Type(Named(KeyName::Right));
    Type(Named(KeyName::Enter));
    EXPECT_TRUE(AboutOpen()) << "Enter on About opens the About box";
    EXPECT_TRUE(session.TakeRequests().empty());

    Type(Named(KeyName::Escape));
    session.Press(Title(MenuTitle::Window));
    session.Release(Item(1));
    EXPECT_TRUE(session.Menu()) << "a release over the line between the groups chooses nothing";
    Type(Named(KeyName::Escape));
    Type(Alt(U' '));
    Type(Typed(U'c'));
    const std::vector<Request> requests = session.TakeRequests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, Request::Kind::Close);
}

TEST_F(PlayMenus, AnEditionThatCannotCloseHasNoCloseInItsWindowMenu) {
    GameSession page(false);
    page.Press(Title(MenuTitle::Window));
    ASSERT_TRUE(page.Menu());
    ASSERT_EQ(page.Menu()->items.size(), 1u);
    EXPECT_EQ(page.Menu()->items[0].command, IDM_ABOUTBOX);
}

using PlayClicks = PlayTest;

TEST_F(PlayClicks, AMenuOpensAtAPressOnItsTitleAndAReleaseOverAnItemChoosesIt) {
    session.Press(Title(MenuTitle::Game));
    EXPECT_TRUE(session.Menu()) << "open at the press";
    session.Release(Item(2));
    EXPECT_FALSE(session.Menu());
    EXPECT_EQ(session.Game().m_nLevel, kLogic);
    Click(Title(MenuTitle::Game));
    EXPECT_TRUE(session.Menu()) << "the click that opened it keeps it";
    session.Press(Title(MenuTitle::Game));
    EXPECT_FALSE(session.Menu()) << "a press on the open title closes it";
    session.Release(Title(MenuTitle::Game));
    EXPECT_FALSE(session.Menu()) << "and its release opens nothing";
    session.Press(Title(MenuTitle::Game));
    session.Release(Title(MenuTitle::About));
    EXPECT_TRUE(session.Menu());
    EXPECT_FALSE(AboutOpen()) << "About acts only at its own click";
    Click(Title(MenuTitle::About));
    EXPECT_TRUE(AboutOpen()) << "About at its click in the menu bar";
    Type(Named(KeyName::Escape));
    Click(Title(MenuTitle::About));
    EXPECT_TRUE(AboutOpen()) << "and on the screen";
}

TEST_F(PlayClicks, AReleaseOverAMarkerAnswersWhereverThePressWas) {
    StartEasy();
    session.Press(Marker(WrongAnswer()));
    EXPECT_EQ(session.PressedMarker(), WrongAnswer());
    session.Release(Marker(RightAnswer()));
    EXPECT_EQ(session.PressedMarker(), 0);
    EXPECT_EQ(session.Game().m_nScore, 10);
    session.Press(kNothing);
    session.Release(Marker(RightAnswer()));
    EXPECT_EQ(session.Game().m_nScore, 20);
    session.Press(Marker(RightAnswer()));
    session.Release(kNothing);
    EXPECT_EQ(session.Game().m_nScore, 20) << "a release off every marker chooses nothing";
    EXPECT_EQ(session.PressedMarker(), 0);
}

TEST_F(PlayClicks, ButtonsActOnlyWhenPressedAndReleasedOnThem) {
    StartEasy();
    for (int i = 0; i < 6; ++i) {
        Type(Typed(Letter(RightAnswer())));
    }
    session.Press(kNothing);
    session.Release(kRemove);
    session.Press(Target{Place::Reveal});
    session.Release(kRemove);
    session.Press(kNothing);
    session.Release(kCloseButton);
    EXPECT_EQ(session.Game().m_nScore, 60);
    EXPECT_TRUE(session.TakeRequests().empty());
    Click(kRemove);
    EXPECT_EQ(session.Game().m_nScore, 50);
    Click(Target{Place::Reveal});
    EXPECT_EQ(session.Game().m_nScore, 0);
    Click(kCloseButton);
    ASSERT_EQ(session.TakeRequests().size(), 1u);
}

TEST_F(PlayClicks, AClickThatClosesABoxOrAMenuReachesNothingUnderIt) {
    StartEasy();
    Type(Alt(U'a'));
    session.Press(kInBox);
    EXPECT_FALSE(AboutOpen()) << "a press in the About box off its links closes it";
    session.Release(Marker(RightAnswer()));
    EXPECT_EQ(session.Game().m_nCurrent, 0) << "its release answers nothing";

    Type(Named(KeyName::MenuBar));
    session.Press(Marker(WrongAnswer()));
    EXPECT_FALSE(session.Menu());
    EXPECT_EQ(session.PressedMarker(), 0);
    session.Release(Marker(WrongAnswer()));
    EXPECT_EQ(session.Game().m_nLevel, kEasy) << "the game goes on";

    // A menu that keys opened and closed while the button was held takes no release.
    session.Press(Marker(RightAnswer()));
    Type(Named(KeyName::MenuBar));
    Type(Named(KeyName::Escape));
    session.Release(Marker(RightAnswer()));
    EXPECT_EQ(session.Game().m_nCurrent, 1);
}

TEST_F(PlayClicks, AClickOnALinkAsksForItsAddressAndTheAboutBoxStaysOpen) {
    Type(Alt(U'a'));
    Click(Target{Place::Link, static_cast<int>(AboutLink::Web)});
    Click(Target{Place::Link, static_cast<int>(AboutLink::Mail)});
    Click(kNothing);
    EXPECT_TRUE(AboutOpen()) << "nor does a click outside the box close it";
    const std::vector<Request> requests = session.TakeRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].kind, Request::Kind::OpenAddress);
    EXPECT_EQ(requests[0].address, kWebAddress);
    EXPECT_EQ(requests[1].address, std::string("mailto:") + kMailAddress);
    Type(U"7485");
    EXPECT_EQ(TopText().rfind("Сигурен съм, че е (", 0), 0u) << "it still takes a typed code";
}

using PlayAbout = PlayTest;

TEST_F(PlayAbout, TheHintCodeShowsTheRightLetterInTheOpenersWordingAgainAndAgain) {
    StartEasy();
    const std::string letter(1, static_cast<char>('A' + RightAnswer() - 1));
    Type(Alt(U'a'));
    Type(U"748");
    EXPECT_TRUE(AboutOpen()) << "typed blind";
    Type(Typed(U'5'));
    EXPECT_EQ(TopText(), "Сигурен съм, че е (" + letter + ")");
    EXPECT_EQ(Top()->caption, std::optional<std::string>("Hello My Master"));
    Type(Named(KeyName::Enter));
    ASSERT_TRUE(AboutOpen()) << "the About box stays under the hint";
    Type(U"17485");
    EXPECT_TRUE(AboutOpen()) << "a character before the code spoils it, the 5th clears";
    Type(U"7485");
    EXPECT_EQ(TopText(), "Сигурен съм, че е (" + letter + ")");
    Type(Named(KeyName::Escape));
    // A deletion is a change: "7486" less its 6 and with a 5 is the code.
    Type(U"7486");
    Type(Named(KeyName::Backspace));
    Type(Typed(U'5'));
    EXPECT_EQ(TopText(), "Сигурен съм, че е (" + letter + ")");
    Type(Typed(U' '));
    Type(U"748я5");
    EXPECT_TRUE(AboutOpen()) << "a letter of any alphabet is a character too";
    Type(Named(KeyName::Escape));

    Type(Alt(U' '));
    Type(Typed(U'a'));
    Type(U"7485");
    EXPECT_EQ(TopText(), "Най-вероятно е (" + letter + ")");
    Type(Named(KeyName::Enter));
    Type(Named(KeyName::Enter));
    EXPECT_TRUE(session.Boxes().empty()) << "the hint code left the text empty: no secret door";
    EXPECT_EQ(session.Game().m_nCurrent, 0) << "the codes change nothing in the game";
    EXPECT_EQ(session.Game().m_nScore, 0);
}

TEST_F(PlayAbout, WithNoQuestionPendingTheHintShowsAQuestionMark) {
    Type(Alt(U'a'));
    Type(U"7485");
    EXPECT_EQ(TopText(), "Сигурен съм, че е (?)");
}

TEST_F(PlayAbout, TheSecretDoorOpensOnlyAfterTheWindowMenusAboutClosesOnTheWholeCode) {
    Type(Alt(U'a'));
    Type(U"3907");
    Type(Named(KeyName::Escape));
    EXPECT_TRUE(session.Boxes().empty()) << "not after the menu bar's About";

    Type(Alt(U' '));
    Type(Typed(U'a'));
    Type(U"39071");
    Type(Named(KeyName::Escape));
    EXPECT_TRUE(session.Boxes().empty()) << "a fifth character cleared the code";

    Type(Alt(U' '));
    Type(Typed(U'a'));
    Type(U"3908");
    Type(Ctrl(U'h'));
    Type(Typed(U'7'));
    EXPECT_TRUE(AboutOpen()) << "nothing while the About box is open";
    session.Press(kInBox);
    ASSERT_NE(Top(), nullptr) << "closed by a click, the door opens";
    EXPECT_EQ(TopText(), "Очаквам заповедите Ви!");
    EXPECT_EQ(Top()->caption, std::optional<std::string>("Тайната врата!"));
    session.Release(kOk);
    EXPECT_NE(Top(), nullptr) << "the release of the click that closed the About box is its own";
    Click(kOk);
    EXPECT_TRUE(session.Boxes().empty());
}

using PlayKeys = PlayTest;

TEST_F(PlayKeys, AnswersByLetterInEitherCaseAndInThePhoneticLayout) {
    StartEasy();
    const char32_t cyrillic[] = U"абцд";
    Type(Typed(Letter(RightAnswer())));
    Type(Typed(cyrillic[RightAnswer() - 1]));
    Type(Typed(Letter(RightAnswer()) - U'a' + U'A'));
    Type(Typed(cyrillic[RightAnswer() - 1] - U'а' + U'А'));
    EXPECT_EQ(session.Game().m_nScore, 40);
    Type(Ctrl(Letter(RightAnswer())));
    Type(Alt(U'b'));
    Type(Typed(U'x'));
    Type(Named(KeyName::Enter));
    Type(Named(KeyName::Up));
    EXPECT_EQ(session.Game().m_nScore, 40) << "only plain letters answer";
    EXPECT_EQ(session.Game().m_nLevel, kEasy);
}

TEST_F(PlayKeys, LevelsByCtrlAndBackspaceHelpsByTheirPricesFirstDigit) {
    Type(Ctrl(U'l'));
    EXPECT_EQ(session.Game().m_nLevel, kLogic);
    Type(Ctrl(U'H'));
    EXPECT_EQ(session.Game().m_nLevel, kHard);
    Type(Ctrl(U'e'));
    EXPECT_EQ(session.Game().m_nLevel, kEasy);
    Type(Named(KeyName::Backspace));
    EXPECT_EQ(session.Game().m_nLevel, kHard) << "many terminals send Backspace as Ctrl+H";
    Type(Typed(U'e'));
    EXPECT_EQ(session.Game().m_nLevel, kHard) << "E alone is no level";
    Type(Typed(U'1'));
    EXPECT_EQ(TopText(), "Мисля, че не си платежоспособен!");
    Type(Named(KeyName::Enter));
    Type(Typed(U'5'));
    EXPECT_EQ(TopText(), "А точките аз ли да ти ги спечеля?!?");
}

}  // namespace
