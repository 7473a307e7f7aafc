#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "play/Look.h"
#include "terminal/Console.h"
#include "terminal/Input.h"
#include "terminal/TerminalEvents.h"
#include "terminal/TickClock.h"

namespace {

// Ticks come every 100 ms: this many are some seconds, more than any wait here.
constexpr int kMostTicks = 50;

// The terminal's reading of keys, fed through a pseudo-terminal in place of a player's.
class TerminalEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::setlocale(LC_ALL, "C.UTF-8");
        m_player = posix_openpt(O_RDWR | O_NOCTTY);
        ASSERT_GE(m_player, 0);
        ASSERT_EQ(grantpt(m_player), 0);
        ASSERT_EQ(unlockpt(m_player), 0);
        const int terminal = open(ptsname(m_player), O_RDWR | O_NOCTTY);
        ASSERT_GE(terminal, 0);
        m_terminal = fdopen(terminal, "r+");
        m_screen = newterm("xterm-256color", m_terminal, m_terminal);
        SetUpScreen();
        m_events = std::make_unique<TerminalEvents>(terminal);
    }

    void TearDown() override {
        m_events.reset();
        endwin();
        delscreen(m_screen);
        std::fclose(m_terminal);
        if (m_player >= 0) {
            close(m_player);
        }
    }

    void Send(const std::string& bytes) {
        ASSERT_EQ(write(m_player, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    void Hang() {
        close(m_player);
        m_player = -1;
    }

    // The next event other than a tick.
    Event NextInput() {
        for (int i = 0; i < kMostTicks; ++i) {
            const Event event = m_events->Next();
            if (event.kind != EventKind::Tick) {
                return event;
            }
        }
        ADD_FAILURE() << "no input in " << kMostTicks << " ticks";
        return Event();
    }

    void ExpectKey(int key, bool alt = false) {
        const Event event = NextInput();
        EXPECT_EQ(event.kind, EventKind::Key);
        EXPECT_EQ(event.key, key);
        EXPECT_FALSE(event.isFunctionKey);
        EXPECT_EQ(event.alt, alt);
    }

    void ExpectFunctionKey(int key) {
        const Event event = NextInput();
        EXPECT_EQ(event.kind, EventKind::Key);
        EXPECT_EQ(event.key, key);
        EXPECT_TRUE(event.isFunctionKey);
    }

    // Reads for the while, in which only ticks may come.
    void ExpectNothingFor(std::chrono::milliseconds span) {
        const auto end = std::chrono::steady_clock::now() + span;
        while (std::chrono::steady_clock::now() < end) {
            const Event event = m_events->Next();
            EXPECT_EQ(event.kind, EventKind::Tick) << "key " << event.key;
        }
    }

    void ExpectMouse(MouseAction action, int y, int x) {
        const Event event = NextInput();
        EXPECT_EQ(event.kind, EventKind::Mouse);
        EXPECT_EQ(event.mouse, action);
        EXPECT_EQ(event.y, y);
        EXPECT_EQ(event.x, x);
    }

private:
    int m_player = -1;
    FILE* m_terminal = nullptr;
    SCREEN* m_screen = nullptr;
    std::unique_ptr<TerminalEvents> m_events;
};

TEST_F(TerminalEventsTest, SequencesThatCursesDoesNotKnowAreDroppedWhole) {
    // F1 as some terminals send it, Ctrl+5 in the terminals' newer key protocol, Shift+F1 in an
    // older one, and one cut short by a character that no sequence has.
    Send("\x1b[11~\x1b[53;5u\x1bO2P\x1b[1;\xD0\xB3");
    ExpectKey(L'г');
    // Keys that curses knows stay keys.
    Send("\x1bOP\x1bOA");
    ExpectFunctionKey(KEY_F(1));
    ExpectFunctionKey(KEY_UP);
}

TEST_F(TerminalEventsTest, EscWithACharacterIsAltAndEscTwiceIsTwoEscapes) {
    Send(
        "\x1b"
        "a\x1b\xD0\xB3");
    ExpectKey(L'a', true);
    ExpectKey(L'г', true);
    Send("\x1b\x1b");
    ExpectKey(kEscapeKey);
    ExpectKey(kEscapeKey);
    Send("\x1b");
    ExpectKey(kEscapeKey);
}

TEST_F(TerminalEventsTest, WhatComesAfterAnEscOfItsOwnIsKept) {
    // An Esc, then the left button pressed and released at row 3, column 5 (counted from 1 here).
    Send("\x1b\x1b[<0;6;4M\x1b\x1b[<0;6;4m");
    ExpectKey(kEscapeKey);
    ExpectMouse(MouseAction::Press, 3, 5);
    ExpectKey(kEscapeKey);
    ExpectMouse(MouseAction::Release, 3, 5);
    Send("\x1b\x1bOB");
    ExpectKey(kEscapeKey);
    ExpectFunctionKey(KEY_DOWN);
}

TEST_F(TerminalEventsTest, BytesThatAreNoCharacterLoseOnlyThemselves) {
    // Two bytes that begin nothing, a character cut short by "(", and a lone continuation byte.
    Send(
        "\xFF\xFE\xC3(\x80\x1b"
        "a\xD1\x8F");
    ExpectKey(L'(');
    ExpectKey(L'a', true);
    ExpectKey(L'я');
}

TEST_F(TerminalEventsTest, APasteIsDroppedWithEverythingInIt) {
    Send(
        "\x1b[200~hello, a paste: abcd 15\r\x1b"
        "a\x1bOP\x1b\x1b[201~z");
    ExpectKey(L'z');
    // The mouse is not part of a paste.
    Send("\x1b[200~ab\x1b[<0;6;4Mcd\x1b[201~");
    ExpectMouse(MouseAction::Press, 3, 5);
    Send("b");
    ExpectKey(L'b');
}

TEST_F(TerminalEventsTest, APressAndItsReleaseInOneReadAreBothTaken) {
    // As a slow line delivers a click: both halves at once, in either of the terminals' codings.
    Send("\x1b[<0;6;4M\x1b[<0;6;4m");
    ExpectMouse(MouseAction::Press, 3, 5);
    ExpectMouse(MouseAction::Release, 3, 5);
    Send("\x1b[<0;6;4M\x1b[<0;9;9m\x1b[<0;1;1M\x1b[<0;1;1m");
    ExpectMouse(MouseAction::Press, 3, 5);
    ExpectMouse(MouseAction::Release, 8, 8);
    ExpectMouse(MouseAction::Press, 0, 0);
    ExpectMouse(MouseAction::Release, 0, 0);
    // The older coding, each byte 32 more than its value, counted from 1.
    Send("\x1b[M %$\x1b[M#%$");
    ExpectMouse(MouseAction::Press, 3, 4);
    ExpectMouse(MouseAction::Release, 3, 4);
    // Other buttons, the wheel and motion are not the game's.
    Send("\x1b[<2;6;4M\x1b[<64;6;4M\x1b[<32;6;4M\x1b[M\"%$z");
    ExpectKey(L'z');
}

TEST_F(TerminalEventsTest, StringsThatTerminalsSendAreDroppedWholeAndTheKeyAfterEachIsTaken) {
    // Each with a letter, a "1" or a "5" in it: an APC; colour replies (OSC) ended by a bell and by
    // the string terminator; a setting's reply (DCS); a privacy message (PM); a start of string (SOS).
    Send("\x1b_apc\x1b\\z");
    Send("\x1b]11;rgb:0/0/0\x07y");
    Send("\x1b]10;rgb:ffff/ffff/ffff\x1b\\x");
    Send("\x1bP1$r0;1m\x1b\\w");
    Send("\x1b^pm 15 ab\x1b\\v");
    Send("\x1bXsos 15 cd\x1b\\u");
    for (const wchar_t key : {L'z', L'y', L'x', L'w', L'v', L'u'}) {
        ExpectKey(key);
    }
    // Cancel breaks a string off; so does a key's sequence, which stays a key.
    Send("\x1bPabc\x18t\x1b]2;title 1\x1bOA");
    ExpectKey(L't');
    ExpectFunctionKey(KEY_UP);
}

TEST_F(TerminalEventsTest, AStringsIntroducerAloneIsAltWithAKey) {
    Send("\x1bP");
    ExpectKey(L'P', true);
    Send("\x1b_");
    ExpectKey(L'_', true);
    Send("a");
    ExpectKey(L'a');
}

TEST_F(TerminalEventsTest, APasteOrAStringThatNeverEndsGivesUpAfterItsLastByte) {
    constexpr std::chrono::milliseconds kGiveUp = TerminalEvents::kUnclosedGiveUp;
    constexpr std::chrono::milliseconds kLate(300);  // a tick and more
    Send("\x1b[200~ab");
    ExpectNothingFor(kGiveUp / 2);
    Send("c");
    // Longer than the give-up time since the paste began, not since its last byte.
    ExpectNothingFor(kGiveUp * 3 / 4);
    Send("d");
    ExpectNothingFor(kGiveUp + kLate);
    Send("e");
    ExpectKey(L'e');

    Send("\x1b]11;rgb:1111");
    ExpectNothingFor(kGiveUp + kLate);
    Send("f");
    ExpectKey(L'f');
}

TEST_F(TerminalEventsTest, TheTerminalGoneEndsTheGame) {
    Send("q");
    ExpectKey(L'q');
    Hang();
    EXPECT_EQ(NextInput().kind, EventKind::Quit);
}

TEST(TickClock, TicksEveryPeriodFromTheStartAndMakesUpForNoLateTick) {
    using std::chrono::milliseconds;
    const TickClock::Time start{};
    const milliseconds period(kClockPeriodMs);
    TickClock clock(start);
    EXPECT_TRUE(clock.DueBy(start)) << "the first tick comes at once";
    clock.Advance(start);
    EXPECT_FALSE(clock.DueBy(start + period - milliseconds(1)));
    EXPECT_EQ(clock.MillisecondsLeft(start + milliseconds(30)), kClockPeriodMs - 30);
    EXPECT_EQ(clock.MillisecondsLeft(start + std::chrono::microseconds(30'500)), kClockPeriodMs - 30)
        << "rounded up: a wait that ended before the tick would only wait again";
    // A tick taken a little late keeps the beat; one taken more than a period late starts anew.
    clock.Advance(start + period + milliseconds(20));
    EXPECT_TRUE(clock.DueBy(start + 2 * period));
    EXPECT_FALSE(clock.DueBy(start + 2 * period - milliseconds(1)));
    clock.Advance(start + 5 * period + milliseconds(20));
    EXPECT_FALSE(clock.DueBy(start + 6 * period));
    EXPECT_TRUE(clock.DueBy(start + 6 * period + milliseconds(20)));
}

}  // namespace
