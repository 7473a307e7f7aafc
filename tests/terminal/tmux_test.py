#!/usr/bin/env python3
"""The terminal game as a player meets it: in tmux at 80 x 24, typed with send-keys and read
with capture-pane. Every wait is bounded and ends on what the screen shows.

Usage: tmux_test.py PROGRAM [unittest arguments]
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = ""
WAIT_SECONDS = 10
POLL_SECONDS = 0.02

ANSWER_ROWS = (9, 12, 15, 18)
ANSWER_COLUMN = 9
LONGEST_ANSWER = 29
MARKER_COLUMN = 5
CLOSE_BUTTON = (0, 78)
REMOVE_BUTTON = (7, 62)
LETTERS = "ABCD"
CLOCK = re.compile(r"\d\d:\d\d:\d\d")

START_QUESTION = "От меню Game изберете нивото, на което ще играете."
END_QUESTION = "От меню Game изберете нивото, на което, ще играете."
START_ANSWER_A = "Играта е в експериментална фаза"
WIN_TEXT = "Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!"
SURE_HINT = re.compile(r"Сигурен съм, че е \(([A-D?])\)")
CAUTIOUS_HINT = re.compile(r"Най-вероятно е \(([A-D?])\)")

LAUNCHER = """#!/bin/sh
# Records the terminal's modes before and after the game, and how the game ended.
cd "$(dirname "$0")"
stty -g > before
sh -c 'echo $$ > pid; exec "$0"' "$1"
echo $? > status
stty -g > after
exec sleep 3600
"""


class GameInTmux:
    """One run of the game in a private tmux server."""

    def __init__(self, locale="C.UTF-8", name=None):
        """The program starts under its own name, or under another through a link."""
        self.folder = tempfile.mkdtemp(prefix="mendo-tmux-")
        program = PROGRAM
        if name is not None:
            program = os.path.join(self.folder, name)
            os.symlink(PROGRAM, program)
        self.socket = "mendo-test-%d-%s" % (os.getpid(), os.path.basename(self.folder))
        launcher = os.path.join(self.folder, "launch.sh")
        with open(launcher, "w") as file:
            file.write(LAUNCHER)
        os.chmod(launcher, 0o755)
        self.tmux("-f", "/dev/null", "new-session", "-d", "-x", "80", "-y", "24", "-e", "LC_ALL=" + locale,
                  "-e", "TERM=tmux-256color", launcher, program)
        self.tmux("set-option", "-g", "default-terminal", "tmux-256color")
        self.wait_for_file("pid")
        with open(os.path.join(self.folder, "pid")) as file:
            self.pid = int(file.read())

    def close(self):
        subprocess.run(["tmux", "-L", self.socket, "kill-server"], capture_output=True)
        shutil.rmtree(self.folder, ignore_errors=True)

    def tmux(self, *arguments):
        return subprocess.run(["tmux", "-L", self.socket] + list(arguments), check=True, capture_output=True,
                              text=True).stdout

    def keys(self, *keys):
        self.tmux("send-keys", *keys)

    def text(self, text):
        self.tmux("send-keys", "-l", text)

    def paste(self, text):
        """Pasted as the terminal pastes, marked as a paste where the program asked for that."""
        self.tmux("set-buffer", text)
        self.tmux("paste-buffer", "-p")

    def click(self, y, x, release_y=None, release_x=None, at_once=False):
        """The left button pressed at a cell and released at another, as the terminal reports it:
        in two writes, or in one, as a slow line delivers a quick click."""
        release_y = y if release_y is None else release_y
        release_x = x if release_x is None else release_x
        press = "\x1b[M" + chr(32) + chr(33 + x) + chr(33 + y)
        release = "\x1b[M" + chr(32 + 3) + chr(33 + release_x) + chr(33 + release_y)
        if at_once:
            self.text(press + release)
        else:
            self.text(press)
            self.text(release)

    def screen(self):
        return self.tmux("capture-pane", "-p")

    def rows(self):
        return (self.screen().split("\n") + [""] * 24)[:24]

    def still_screen(self):
        """The screen with the clock's time left out: what only the player changes."""
        return CLOCK.sub("HH:MM:SS", self.screen())

    def flag(self, name):
        return self.tmux("display", "-p", "#{%s}" % name).strip()

    def wait_until(self, test, what):
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if test():
                return
            time.sleep(POLL_SECONDS)
        raise AssertionError("waited in vain for %s; the screen:\n%s" % (what, self.screen()))

    def wait_for(self, text):
        self.wait_until(lambda: text in self.screen(), repr(text))
        return self.screen()

    def wait_for_none(self, text):
        self.wait_until(lambda: text not in self.screen(), "%r to go" % text)
        return self.screen()

    def wait_for_file(self, name):
        path = os.path.join(self.folder, name)
        deadline = time.monotonic() + WAIT_SECONDS
        while time.monotonic() < deadline:
            if os.path.exists(path) and os.path.getsize(path) > 0:
                with open(path) as file:
                    return file.read().strip()
            time.sleep(POLL_SECONDS)
        raise AssertionError("no %s after %d s; the screen:\n%s" % (name, WAIT_SECONDS, self.screen()))

    def number(self):
        return self.rows()[3][:6].strip()

    def answer(self, k, width=34):
        return self.rows()[ANSWER_ROWS[k]][ANSWER_COLUMN:ANSWER_COLUMN + width].rstrip()

    def hint_letter(self, opener_keys=("M-a",), pattern=SURE_HINT):
        """Reads the right letter as a player could: the hint code in the About box."""
        self.keys(*opener_keys)
        self.wait_for("http://mendo.test")
        self.text("7485")
        self.wait_until(lambda: pattern.search(self.screen()), "the hint")
        letter = pattern.search(self.screen()).group(1)
        self.keys("Enter")
        self.wait_for_none("Hello My Master")
        self.keys("Escape")
        self.wait_for_none("http://mendo.test")
        return letter


class TmuxTest(unittest.TestCase):
    def setUp(self):
        self.game = GameInTmux()
        self.addCleanup(self.game.close)
        self.game.wait_for(START_ANSWER_A)


class StartAndLevels(TmuxTest):
    def test_start_screen_levels_by_menu_and_keys_and_the_clock(self):
        game = self.game
        screen = game.screen()
        rows = game.rows()
        self.assertIn("Velt's Mendo", rows[0])
        self.assertTrue(rows[0].startswith("[=]") and rows[0].rstrip().endswith("[x]"), rows[0])
        self.assertIn("Game", rows[1])
        self.assertIn("About", rows[1])
        self.assertIn(START_QUESTION, screen)
        self.assertIn("<--genius", screen)
        self.assertIn("-10", rows[7])
        self.assertIn("-50", rows[7])
        self.assertIn("A-D answer", rows[23])
        self.assertNotIn("точки", screen)
        clock = re.search(r"\d\d:\d\d:\d\d", rows[21]).group(0)
        game.wait_until(lambda: clock not in game.rows()[21], "the clock to tick")

        game.click(1, 3, 3, 4)  # press on Game, release on Easy
        game.wait_for("1.")
        self.assertIn("точки:  0", game.screen())
        first = game.rows()[3]
        game.keys("F10")
        game.wait_for("Hard        Ctrl+H")
        game.keys("Down", "Enter")
        game.wait_until(lambda: game.rows()[3] != first and "Ctrl+H " not in game.screen(), "a Hard game")
        hard = game.rows()[3]
        game.keys("C-e")
        game.wait_until(lambda: game.rows()[3] != hard, "an Easy game by Ctrl+E")
        self.assertEqual(game.number(), "1.")

    def test_the_programs_name_in_the_locales_letters_is_the_caption(self):
        game = GameInTmux(name="мендо")
        self.addCleanup(game.close)
        game.wait_for(START_ANSWER_A)
        game.keys("C-e")
        game.wait_for("точки:  0")
        game.keys("1")
        game.wait_for("платежоспособен")
        self.assertIn(" мендо", game.screen())


class AnswersAndHelps(TmuxTest):
    def test_right_answers_helps_and_a_wrong_answer(self):
        game = self.game
        game.keys("C-e")
        game.wait_for("точки:  0")
        game.keys("1")
        game.wait_for("Мисля, че не си платежоспособен!")
        self.assertIn(" mendo", game.screen())
        game.keys("Enter")
        game.wait_for_none("платежоспособен")

        game.keys(game.hint_letter().lower())
        game.wait_for("точки:  10")
        self.assertEqual(game.number(), "2.")
        letter = game.hint_letter()
        game.click(ANSWER_ROWS[LETTERS.index(letter)], MARKER_COLUMN)
        game.wait_for("точки:  20")
        self.assertEqual(game.number(), "3.")
        letter = game.hint_letter()
        game.text("абцд"[LETTERS.index(letter)])
        game.wait_for("точки:  30")

        letter = game.hint_letter()
        right = LETTERS.index(letter)
        right_text = game.answer(right)
        game.click(*REMOVE_BUTTON)
        game.wait_for("точки:  20")
        self.assertEqual(sum(1 for k in range(4) if game.answer(k) == ""), 1)
        self.assertEqual(game.answer(right), right_text)
        game.keys("5")
        game.wait_for("А точките аз ли да ти ги спечеля?!?")
        game.keys("Escape")
        game.wait_for_none("спечеля")
        self.assertIn("точки:  20", game.screen())

        # A wrong answer that "-10" left standing: a blanked one would only be called idiotic.
        game.keys(next(LETTERS[k] for k in range(4) if k != right and game.answer(k) != ""))
        screen = game.wait_for("WRONG!!!")
        self.assertIn("(X)", screen)
        self.assertIn("ERROR", screen)
        self.assertIn("[  OK  ]", screen)
        # The right answer alone and whole: the box stands right of the longest answer there can be.
        box_left = next(row for row in game.rows() if "WRONG!!!" in row).index("│")
        self.assertGreaterEqual(box_left, ANSWER_COLUMN + LONGEST_ANSWER)
        game.wait_until(lambda: [game.answer(k, LONGEST_ANSWER) for k in range(4)] ==
                        [right_text if k == right else "" for k in range(4)], "the whole right answer alone")
        self.assertIn("4.", game.rows()[3])
        game.keys("a", "C-e")  # nothing reaches the game under the box
        game.keys("Space")
        game.wait_for(END_QUESTION)
        game.wait_for(START_ANSWER_A)
        self.assertNotIn("точки", game.screen())
        self.assertEqual(game.number(), "")

    def test_clicks_whose_press_and_release_come_in_one_write(self):
        game = self.game
        game.click(1, 3, at_once=True)  # the Game menu's title
        game.wait_for("Easy        Ctrl+E")
        game.click(3, 4, at_once=True)  # Easy
        game.wait_for("точки:  0")
        game.click(*REMOVE_BUTTON, at_once=True)
        game.wait_for("платежоспособен")
        ok_row = next(row for row in game.rows() if "[  OK  ]" in row)
        game.click(game.rows().index(ok_row), ok_row.index("[  OK  ]") + 3, at_once=True)
        game.wait_for_none("платежоспособен")
        game.click(1, 9, at_once=True)  # About
        game.wait_for("http://mendo.test")
        game.keys("Escape")
        game.wait_for_none("http://mendo.test")
        game.click(0, 1, at_once=True)  # the window menu's button
        game.wait_for("About Mendo...")
        game.click(2, 3, at_once=True)  # its Close
        self.assertEqual(game.wait_for_file("status"), "0")

    def test_keys_that_mean_nothing_change_nothing(self):
        game = self.game
        game.keys("C-e")
        game.wait_for("точки:  0")
        before = game.still_screen()
        game.keys("F1", "F2", "F5", "F12", "Home", "End", "PageUp", "IC", "DC", "Up", "Tab", "Escape", "Enter")
        game.text("xyzЯя!@#%^&*()_+=[]{};'\\\"<>?/`~" * 40)
        game.tmux("send-keys", "-H", "ff", "fe", "c3", "28", "80", "1b", "5b", "39", "39", "7e")
        game.keys("M-x", "M-1", "C-x", "C-z", "C-s", "C-q")
        # F1 as some terminals send it and Ctrl+5 in a newer key protocol: each has a "1" or a "5".
        game.text("\x1b[11~\x1b[53;5u")
        game.paste("hello, a paste: abcd 15 абцд\n")
        game.keys("M-a")  # a last key, so that everything before it has been read
        game.wait_for("http://mendo.test")
        game.keys("Escape")
        game.wait_for_none("http://mendo.test")
        self.assertEqual(game.still_screen(), before, "nothing answered, bought or opened")
        self.assertTrue(os.path.exists("/proc/%d" % game.pid), "the game lives")

    def test_a_click_that_closes_a_box_or_menu_reaches_nothing_under_it(self):
        game = self.game
        game.keys("C-e")
        game.wait_for("точки:  0")
        right = LETTERS.index(game.hint_letter())
        wrong = (right + 1) % 4
        before = game.still_screen()

        game.keys("M-a")
        game.wait_for("http://mendo.test")
        game.click(ANSWER_ROWS[right], MARKER_COLUMN)  # in the About box, over the right marker
        game.wait_for_none("http://mendo.test")
        game.keys("F10")
        game.wait_for("Easy        Ctrl+E")
        game.click(ANSWER_ROWS[wrong], MARKER_COLUMN)  # off the menu, on a wrong marker
        game.wait_for_none("Easy        Ctrl+E")
        # Pressed off the buttons, released on them: the close button, then "-10".
        game.click(20, 20, *CLOSE_BUTTON)
        game.click(20, 20, *REMOVE_BUTTON)
        game.keys("M-a")  # it opens only with no box over the screen
        game.wait_for("http://mendo.test")
        game.keys("Escape")
        game.wait_for_none("http://mendo.test")
        self.assertEqual(game.still_screen(), before)


class WinScreen(TmuxTest):
    def test_twenty_five_right_answers_read_through_the_hint_code(self):
        game = self.game
        game.keys("C-l")
        game.wait_for("1.")
        for question in range(1, 26):
            self.assertEqual(game.number(), "%d." % question)
            game.keys(game.hint_letter())
            if question < 25:
                game.wait_until(lambda: game.number() == "%d." % (question + 1), "question %d" % (question + 1))
        game.wait_for("точки:  250")
        self.assertEqual(" ".join(row.strip() for row in game.rows()[3:6] if row.strip()), WIN_TEXT)
        self.assertEqual(game.number(), "")
        self.assertEqual([game.answer(k) for k in range(4)], ["", "", "", ""])
        self.assertEqual(game.hint_letter(), "?")


class AboutBoxes(TmuxTest):
    def test_both_openers_the_hint_and_the_secret_door(self):
        game = self.game
        self.assertEqual(game.hint_letter(pattern=SURE_HINT), "?")
        game.keys("C-h")
        game.wait_for("1.")
        sure = game.hint_letter()
        cautious = game.hint_letter(opener_keys=("M-Space", "a"), pattern=CAUTIOUS_HINT)
        self.assertEqual(sure, cautious)

        game.click(0, 1)  # the window menu's button
        game.wait_for("About Mendo...")
        game.click(4, 4)
        screen = game.wait_for("http://mendo.test")
        for text in ("hi@mendo.test", "версия 1.81", "Имате 25 въпроса.", "щото съм си аз!!!"):
            self.assertIn(text, screen)
        game.text("3907")
        game.keys("Escape")
        game.wait_for("Очаквам заповедите Ви!")
        self.assertIn("Тайната врата!", game.screen())
        game.keys("Enter")
        game.wait_for_none("Тайната врата!")

        game.click(1, 9)  # the menu bar's About
        game.wait_for("http://mendo.test")
        game.text("3907")
        game.click(game.rows().index(next(r for r in game.rows() if "щото" in r)), 40)
        game.wait_for_none("http://mendo.test")
        hard = game.rows()[3]
        game.keys("C-e")  # after it, whatever closing the About box did has shown
        game.wait_until(lambda: game.rows()[3] != hard, "an Easy game")
        self.assertNotIn("Тайната врата!", game.screen())

        # Esc twice at once closes the hint's box and the About box under it.
        game.keys("M-a")
        game.wait_for("http://mendo.test")
        game.text("7485")
        game.wait_for("Hello My Master")
        game.keys("Escape", "Escape")
        game.wait_for_none("hi@mendo.test")
        self.assertNotIn("Hello My Master", game.screen())


class Resize(TmuxTest):
    def test_smaller_than_80_by_24_and_back(self):
        game = self.game
        game.keys("C-e")
        game.wait_for("точки:  0")
        easy = game.rows()[3]
        game.tmux("resize-window", "-x", "60", "-y", "20")
        game.wait_for("at least 80 x 24")
        self.assertIn("60 x 20", game.screen().replace("\n", " "))
        game.keys("C-h")
        game.tmux("resize-window", "-x", "80", "-y", "24")
        game.wait_until(lambda: "Velt's Mendo" in game.rows()[0] and "точки:  0" in game.rows()[21],
                        "the game's screen again")
        self.assertEqual(game.rows()[3], easy, "the game went on, and nothing reached it meanwhile")
        self.assertNotIn("at least", game.screen())
        game.tmux("resize-window", "-x", "100", "-y", "30")
        game.wait_until(lambda: "Velt's Mendo" in game.screen().split("\n")[3], "the screen centred")
        game.tmux("resize-window", "-x", "80", "-y", "24")
        game.wait_until(lambda: "Velt's Mendo" in game.rows()[0], "the screen at the top again")


class ExitWays(unittest.TestCase):
    def check_exit(self, how, status):
        game = GameInTmux()
        self.addCleanup(game.close)
        game.wait_for(START_ANSWER_A)
        game.keys("C-e")
        game.wait_for("точки:  0")
        self.assertEqual(game.flag("alternate_on"), "1")
        how(game)
        self.assertEqual(game.wait_for_file("status"), str(status))
        self.assertEqual(game.wait_for_file("after"), game.wait_for_file("before"), "the terminal's modes")
        self.assertEqual(game.flag("alternate_on"), "0", "the screen as it was")
        self.assertEqual(game.flag("cursor_flag"), "1", "the cursor shows")
        self.assertEqual(game.flag("mouse_any_flag"), "0", "the mouse is the terminal's again")
        self.assertEqual(game.flag("keypad_flag"), "0")

    def test_close_button(self):
        self.check_exit(lambda game: game.click(0, 78), 0)

    def test_window_menus_close(self):
        def close(game):
            game.keys("M-Space")
            game.wait_for("About Mendo...")
            game.keys("c")
        self.check_exit(close, 0)

    def test_interrupt_key_under_a_box(self):
        def interrupt(game):
            game.keys("1")
            game.wait_for("платежоспособен")
            game.keys("C-c")
        self.check_exit(interrupt, 0)

    def test_signals(self):
        for name in ("SIGTERM", "SIGHUP", "SIGINT"):
            with self.subTest(name):
                number = getattr(signal, name)
                self.check_exit(lambda game: os.kill(game.pid, number), 128 + number)

    def test_c_locale_is_refused_plainly(self):
        run = subprocess.run([PROGRAM], env=dict(os.environ, LC_ALL="C"), capture_output=True, text=True,
                             timeout=WAIT_SECONDS)
        self.assertEqual(run.returncode, 2)
        self.assertIn("C.UTF-8", run.stderr)
        self.assertEqual(run.stdout, "")
        unnamed = subprocess.run([""], executable=PROGRAM, env=dict(os.environ, LC_ALL="C"), capture_output=True,
                                 text=True, timeout=WAIT_SECONDS)
        self.assertEqual(unnamed.returncode, 2)
        self.assertTrue(unnamed.stderr.startswith("mendo: "), unnamed.stderr)


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv[1])
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
