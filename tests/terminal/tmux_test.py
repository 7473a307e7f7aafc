#!/usr/bin/env python3
"""The terminal game as a player meets it: in tmux at 80 x 24, typed with send-keys and read
with capture-pane. Every wait is bounded and ends on what the screen shows.

Usage: tmux_test.py PROGRAM [unittest arguments]
"""
import fcntl
import glob
import os
import pty
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import termios
import time
import unittest

PROGRAM = ""
SOURCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..")
with open(os.path.join(SOURCE, "VERSION")) as version_file:
    VERSION = version_file.read().strip()
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
USAGE = "mendo [FILE] | --check FILE... | --export-questions[=LEVEL] | --help | --version"

START_QUESTION = "От меню Game изберете нивото, на което ще играете."
END_QUESTION = "От меню Game изберете нивото, на което, ще играете."
START_ANSWER_A = "Играта е в експериментална фаза"
WIN_TEXT = "Честито!!! Току що превъртя (играта). Пробвай се на друго ниво, ако ти стиска!!!"
SURE_HINT = re.compile(r"Сигурен съм, че е \(([A-D?])\)")
CAUTIOUS_HINT = re.compile(r"Най-вероятно е \(([A-D?])\)")

LAUNCHER = """#!/bin/sh
# Records the terminal's modes before and after the game, and how the game ended.
cd "$(dirname "$0")"
ulimit -c 0
stty -g > before
sh -c 'echo $$ > pid; exec "$@"' launcher "$@"
echo $? > status
stty -g > after
exec sleep 3600
"""


SHELL_START = "stty -g > before; sh -c 'echo $$ > pid; exec \"$0\"' %s"
SHELL_END = "echo $? > status; stty -g > after"

# The attributes of a cell as capture-pane -e shows them; colours are numbers, None the default.
PLAIN = {"fg": None, "bg": None, "bold": False, "italic": False, "underline": False, "reverse": False}
SGR = re.compile(r"\x1b\[([0-9;]*)m")
SGR_ON = {1: "bold", 3: "italic", 4: "underline", 7: "reverse"}
SGR_OFF = {22: ("bold",), 23: ("italic",), 24: ("underline",), 27: ("reverse",)}


def apply_sgr(style, parameters):
    style = dict(style)
    codes = [int(code) if code else 0 for code in parameters.split(";")]
    i = 0
    while i < len(codes):
        code = codes[i]
        if code == 0:
            style = dict(PLAIN)
        elif code in SGR_ON:
            style[SGR_ON[code]] = True
        elif code in SGR_OFF:
            style.update((name, False) for name in SGR_OFF[code])
        elif code in (38, 48) and codes[i + 1:i + 2] == [5]:
            style["fg" if code == 38 else "bg"] = codes[i + 2]
            i += 2
        elif code in (39, 49):
            style["fg" if code == 39 else "bg"] = None
        elif 30 <= code <= 37 or 90 <= code <= 97:
            style["fg"] = code % 10 + (8 if code >= 90 else 0)
        elif 40 <= code <= 47 or 100 <= code <= 107:
            style["bg"] = code % 10 + (8 if code >= 100 else 0)
        i += 1
    return style


def styled_rows(capture):
    """The cells of a capture with attributes, row by row: (character, style) each. Attributes carry
    over from one row to the next, as capture-pane -e writes them."""
    style = dict(PLAIN)
    rows = []
    for line in capture.split("\n"):
        cells = []
        for piece in re.split(r"(\x1b\[[0-9;]*m)", line):
            match = SGR.fullmatch(piece)
            if match:
                style = apply_sgr(style, match.group(1))
            else:
                cells.extend((character, style) for character in piece)
        rows.append(cells)
    return rows


def run_in_pty(arguments, program=None, size=(24, 80), errors_shown=False, **environment):
    """The program with a pseudo-terminal of 80 x 24 as its input and output (and its stderr, when
    shown), and a variable set to None left out: its status, its stderr, and what it wrote to the
    terminal."""
    variables = dict(os.environ, LC_ALL="C.UTF-8", TERM="xterm-256color")
    variables.update(environment)
    variables = {name: value for name, value in variables.items() if value is not None}
    player, terminal = pty.openpty()
    fcntl.ioctl(terminal, termios.TIOCSWINSZ, struct.pack("HHHH", size[0], size[1], 0, 0))
    modes = termios.tcgetattr(terminal)
    try:
        run = subprocess.run([program or PROGRAM] + arguments, stdin=terminal, stdout=terminal,
                             stderr=terminal if errors_shown else subprocess.PIPE, env=variables, text=True,
                             timeout=WAIT_SECONDS)
        unchanged = termios.tcgetattr(terminal) == modes
    finally:
        os.close(terminal)
    shown = b""
    os.set_blocking(player, False)
    try:
        while True:
            piece = os.read(player, 65536)
            if not piece:
                break
            shown += piece
    except OSError:
        pass
    os.close(player)
    return run.returncode, run.stderr, shown if unchanged else b"(the terminal's modes changed)" + shown


class GameInTmux:
    """One run of the game in a private tmux server."""

    def __init__(self, locale="C.UTF-8", name=None, term="tmux-256color", environment=(), shell=False, width=80,
                 arguments=(), files=None):
        """The program starts under its own name, or under another through a link, with TERM and the
        other variables given and no NO_COLOR unless given, and with its arguments, in a folder that
        holds the files given. It starts alone, or from an interactive shell with job control as a
        player starts it."""
        self.folder = tempfile.mkdtemp(prefix="mendo-tmux-")
        for file_name, content in (files or {}).items():
            with open(os.path.join(self.folder, file_name), "wb") as file:
                file.write(content)
        self.program = PROGRAM
        if name is not None:
            self.program = os.path.join(self.folder, name)
            os.symlink(PROGRAM, self.program)
        program = self.program
        self.socket = "mendo-test-%d-%s" % (os.getpid(), os.path.basename(self.folder))
        launcher = os.path.join(self.folder, "launch.sh")
        with open(launcher, "w") as file:
            file.write(LAUNCHER)
        os.chmod(launcher, 0o755)
        # tmux sets TERM in a new pane itself; env sets it after.
        variables = ["env", "-u", "NO_COLOR", "TERM=" + term] + ["%s=%s" % pair for pair in environment]
        command = variables + (["PS1=$ ", "ENV=", "dash", "-i"] if shell else [launcher, program, *arguments])
        self.tmux("-f", "/dev/null", "new-session", "-d", "-x", str(width), "-y", "24", "-c", self.folder,
                  "-e", "LC_ALL=" + locale, *command)
        try:
            self.tmux("set-option", "-g", "default-terminal", "tmux-256color")
            if shell:
                self.wait_until(lambda: self.screen().startswith("$"), "the shell's prompt")
                self.text(SHELL_START % program)
                self.keys("Enter")
            self.pid = int(self.wait_for_file("pid"))
        except BaseException:
            # No one else will close what did not start.
            self.close()
            raise

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

    def written_lines(self):
        """The lines as the program wrote them: those the terminal wrapped, joined again."""
        return self.tmux("capture-pane", "-p", "-J").rstrip("\n").split("\n")

    def styles(self):
        """The screen's cells with their attributes, row by row."""
        return (styled_rows(self.tmux("capture-pane", "-p", "-e")) + [[]] * 24)[:24]

    def stopped(self):
        with open("/proc/%d/stat" % self.pid) as file:
            return file.read().rsplit(")", 1)[1].split()[0] == "T"

    def shell(self, command, result):
        """Types a command at the shell's prompt and waits for the file it writes."""
        path = os.path.join(self.folder, result)
        if os.path.exists(path):
            os.remove(path)
        self.text(command)
        self.keys("Enter")
        return self.wait_for_file(result)

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
        for text in ("hi@mendo.test", "версия " + VERSION, "Имате 25 въпроса.", "щото съм си аз!!!"):
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
        game.tmux("resize-window", "-x", "70", "-y", "20")
        game.wait_for("at least 80 x 24")
        self.assertIn("70 x 20", game.screen(), "the figure whole on one line")
        game.tmux("resize-window", "-x", "60", "-y", "20")
        game.wait_for("60 x 20")
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

    def test_every_other_signal_that_ends_programs(self):
        """Those that end it plainly, one real-time signal among them, and those that dump core,
        after which the game cannot go on: the terminal is put back, then the signal ends the game."""
        for name in ("SIGQUIT", "SIGUSR1", "SIGUSR2", "SIGALRM", "SIGPIPE", "SIGRTMIN", "SIGSEGV", "SIGABRT"):
            with self.subTest(name):
                number = int(getattr(signal, name))
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


class Options(unittest.TestCase):
    def run_program(self, *arguments, **environment):
        """Without a terminal, as in "mendo --help | cat"."""
        return subprocess.run([PROGRAM] + list(arguments), env=dict(os.environ, **environment),
                              stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=WAIT_SECONDS)

    def test_help_and_version_before_any_check(self):
        for locale in ("C.UTF-8", "C", "xx_YY.UTF-8"):
            for option in ("--help", "-h"):
                with self.subTest(option, locale=locale):
                    run = self.run_program(option, LC_ALL=locale)
                    self.assertEqual((run.returncode, run.stderr), (0, ""))
                    self.assertTrue(run.stdout.startswith("Usage: " + USAGE + "\n"), run.stdout)
                    for text in ("trivia game in Bulgarian", "A to D answer", "Ctrl+Z", "Ctrl+C",
                                 "Cyrillic letters", "  LC_ALL=C.UTF-8 mendo\n", "--version", "--check FILE...",
                                 "--export-questions[=LEVEL]", "/usr/share/games/mendo/"):
                        self.assertIn(text, run.stdout)
                    self.assertNotIn(os.path.dirname(PROGRAM), run.stdout, "started by its path, named by its name")
            for option in ("--version", "-V"):
                with self.subTest(option, locale=locale):
                    run = self.run_program(option, LC_ALL=locale)
                    self.assertEqual((run.returncode, run.stdout, run.stderr), (0, "mendo %s\n" % VERSION, ""))

    def test_help_and_version_that_cannot_be_written_fail_with_a_message(self):
        """As to a full disk, or to a closed stdout."""
        for option in ("--help", "-h", "--version", "-V"):
            with self.subTest(option):
                with open("/dev/full", "w") as full:
                    run = subprocess.run([PROGRAM, option], stdout=full, stderr=subprocess.PIPE, text=True,
                                         timeout=WAIT_SECONDS)
                self.assertEqual((run.returncode, run.stderr), (1, "mendo: write error: No space left on device\n"))
                closed = subprocess.run(["sh", "-c", 'exec "$0" "$1" >&-', PROGRAM, option], capture_output=True,
                                        text=True, timeout=WAIT_SECONDS)
                self.assertEqual((closed.returncode, closed.stderr), (1, "mendo: write error: Bad file descriptor\n"))

    def test_help_leaves_a_terminal_alone(self):
        for option in ("--help", "--version"):
            with self.subTest(option):
                status, error, shown = run_in_pty([option], TERM=None)
                self.assertEqual((status, error), (0, ""))
                self.assertNotIn(b"\x1b", shown, "nothing but text: no screen, no modes")
                self.assertIn(b"mendo", shown)

    def test_a_wrong_option_or_an_argument_is_told_in_one_line(self):
        for arguments, wrong in ((["--bogus"], "--bogus"), (["-x"], "-x"), (["one", "two"], "two"),
                                 (["--help=3"], "--help=3"), (["--", "a", "-h"], "-h"), (["-xh"], "-x"),
                                 (["--check"], "--check"), (["--export-questions=medium"], "medium"),
                                 (["--export-questions", "extra"], "extra")):
            with self.subTest(arguments):
                run = self.run_program(*arguments)
                self.assertEqual((run.returncode, run.stdout), (2, ""))
                self.assertRegex(run.stderr, r"^mendo: [^\n]*%s[^\n]*; usage: %s\n$" % (re.escape(wrong), re.escape(USAGE)))

    def test_the_manual_page_renders_without_warnings(self):
        """In UTF-8 and in plain ASCII, as man renders it for the locale."""
        for locale in ("C.UTF-8", "C"):
            with self.subTest(locale):
                run = subprocess.run(["man", "--warnings", "-l", os.path.join(SOURCE, "terminal", "mendo.6")],
                                     env=dict(os.environ, MANWIDTH="80", LC_ALL=locale), stdin=subprocess.DEVNULL,
                                     capture_output=True, timeout=WAIT_SECONDS)
                self.assertEqual((run.returncode, run.stderr), (0, b""))
                for text in (b"SYNOPSIS", b"--version", b"NO_COLOR", b"EXIT STATUS", b"C.UTF-8", b"Ctrl+Z"):
                    self.assertIn(text, run.stdout)


def aiken_pack(count, first=1):
    """A pack of questions that keep the game's limits: "Колко е N" with N the right answer."""
    return "".join("Колко е %d\nA) %d\nB) %d0\nC) %d00\nD) %d000\nANSWER: A\n\n" % ((n,) * 5)
                   for n in range(first, first + count)).encode()


BROKEN_QUESTION = "Къс въпрос\nA) 1\nB) 2\nC) 3\nANSWER: A\n\n".encode()


class PackChecks(unittest.TestCase):
    """mendo --check and --export-questions, without a terminal, as a script or an editor runs them."""

    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="mendo-packs-")
        self.addCleanup(shutil.rmtree, self.folder, True)

    def write(self, name, content):
        path = os.path.join(self.folder, name)
        with open(path, "wb") as file:
            file.write(content)
        return path

    def run_program(self, *arguments, stdout=subprocess.PIPE):
        return subprocess.run([PROGRAM] + list(arguments), cwd=self.folder, stdin=subprocess.DEVNULL, stdout=stdout,
                              stderr=subprocess.PIPE, timeout=WAIT_SECONDS)

    def test_every_problem_as_compilers_write_them_a_summary_and_the_status(self):
        self.write("good.txt", aiken_pack(25))
        self.write("bad.txt", aiken_pack(25) + BROKEN_QUESTION + "я".encode() * 3 + b"\xe9\n")
        run = self.run_program("--check", "good.txt", "bad.txt")
        self.assertEqual((run.returncode, run.stderr), (1, b""))
        self.assertEqual(run.stdout.decode().split("\n"), [
            "good.txt: Aiken, UTF-8; 25 questions, all usable; 25 usable for every level",
            "bad.txt:176:1: error: the question has 3 choices; the game plays four, A to D",
            "bad.txt:182:1: error: the question has no ANSWER: line after its choices",
            "bad.txt:182:4: error: the byte 0xE9 is not UTF-8, while the rest of the file is; save the file as UTF-8 "
            "again",
            "bad.txt: Aiken, UTF-8; 27 questions, 2 left out; 25 usable for every level",
            ""])
        self.assertEqual(self.run_program("--check", "good.txt").returncode, 0)
        self.assertEqual(sorted(os.listdir(self.folder)), ["bad.txt", "good.txt"], "a check writes nothing")

    def test_what_cannot_be_read_is_told_in_a_sentence_with_status_2_and_no_wait(self):
        os.mkfifo(os.path.join(self.folder, "pipe"))  # no one ever writes to it
        big = self.write("big.txt", b"")
        os.truncate(big, (16 << 20) + 1)
        os.mkdir(os.path.join(self.folder, "folder"))
        locked = self.write("locked.txt", aiken_pack(25))
        os.chmod(locked, 0)
        run = self.run_program("--check", "missing.txt", "folder", "pipe", "/dev/zero", "big.txt", "good.txt",
                               *(["locked.txt"] if os.geteuid() != 0 else []))
        lines = run.stdout.decode().split("\n")
        self.assertEqual(run.returncode, 2)
        self.assertEqual(lines[:5], [
            "missing.txt: error: there is no such file",
            "folder: error: this is a folder, not a file of questions",
            "pipe: error: this is no plain file but a device or a pipe, which may never end, so it is not read",
            "/dev/zero: error: this is no plain file but a device or a pipe, which may never end, so it is not read",
            "big.txt: error: the file is larger than 16 MiB, more than a pack of questions holds, so it is not read"])
        self.assertEqual(lines[5], "good.txt: error: there is no such file")
        if os.geteuid() != 0:
            self.assertEqual(lines[6], "locked.txt: error: the file may not be read: permission denied")

    def test_what_is_no_text_of_questions_gets_one_sentence(self):
        cases = {
            "empty.txt": (b"", "empty.txt: error: the file is empty"),
            "zeros.bin": (b"\x89PNG\r\n\x1a\n\0\0\0\rIHDR", "zeros.bin:3:1: error: the file holds a NUL byte here, so it "
                                                             "is no text of questions"),
            "utf16.txt": ("Въпрос".encode("utf-16"), "utf16.txt: error: the file is in UTF-16; save it as UTF-8"),
        }
        for name, (content, line) in cases.items():
            with self.subTest(name):
                self.write(name, content)
                run = self.run_program("--check", name)
                self.assertEqual(run.returncode, 1)
                self.assertEqual(run.stdout.decode().split("\n")[0], line)
        self.write("long.txt", "Я".encode() * (1 << 20) + b"\n")
        run = self.run_program("--check", "long.txt")
        self.assertEqual(run.returncode, 1)
        self.assertIn("long.txt:1:1: error: the question has no ANSWER: line", run.stdout.decode())

    def test_the_exported_pools_check_clean_whole_and_each_level_alone(self):
        run = self.run_program("--export-questions")
        self.assertEqual((run.returncode, run.stderr), (0, b""))
        self.write("all.txt", run.stdout)
        check = self.run_program("--check", "all.txt")
        self.assertEqual((check.returncode, check.stdout.decode()),
                         (0, "all.txt: Aiken, UTF-8; 180 questions, all usable; Easy 42, Hard 77, Logic 61\n"))
        for level, count, first in (("easy", 42, "Колко байта има един килобайт?"),
                                    ("hard", 77, "През коя година е открит компасът?"),
                                    ("logic", 61, "Колко е средно аритметичното на 114, 120 и 105?")):
            with self.subTest(level):
                alone = self.run_program("--export-questions=" + level)
                text = alone.stdout.decode()
                self.assertEqual(alone.returncode, 0)
                self.assertNotIn("[", text.split("\n")[0])
                self.assertIn(first + "\n", text)
                self.write(level + ".txt", alone.stdout)
                self.assertEqual(self.run_program("--check", level + ".txt").stdout.decode(),
                                 "%s.txt: Aiken, UTF-8; %d questions, all usable; %d usable for every level\n"
                                 % (level, count, count))
        with open("/dev/full", "w") as full:
            self.assertEqual(self.run_program("--export-questions", stdout=full).returncode, 1)

    def test_the_example_packs_check_clean(self):
        examples = sorted(glob.glob(os.path.join(SOURCE, "examples", "*")))
        self.assertGreaterEqual(len(examples), 2)
        run = self.run_program("--check", *examples)
        self.assertEqual(run.returncode, 0, run.stdout.decode())


class Packs(unittest.TestCase):
    """A pack of questions played in the terminal, as a teacher's class would play it."""

    def start(self, pack, name="quiz.txt"):
        game = GameInTmux(arguments=(name,), files={name: pack})
        self.addCleanup(game.close)
        return game

    def test_a_pack_plays_to_the_win_through_the_hint_code_under_its_name(self):
        game = self.start(aiken_pack(30))
        game.wait_for(START_ANSWER_A)
        self.assertIn("quiz.txt - Velt's Mendo", game.rows()[0])
        game.keys("C-h")
        game.wait_for("1.")
        for question in range(1, 26):
            # The question shows at once, its answers at the clock's next tick.
            shown = lambda: re.search(r"Колко е (\d+)\?", game.screen())
            game.wait_until(lambda: shown() and shown().group(1) in [game.answer(k) for k in range(4)],
                            "question %d with its answers" % question)
            match = shown()
            letter = game.hint_letter()
            self.assertEqual(game.answer(LETTERS.index(letter)), match.group(1), "the hint names the right answer")
            game.keys(letter)
            if question < 25:
                game.wait_until(lambda: game.number() == "%d." % (question + 1), "question %d" % (question + 1))
        game.wait_for("точки:  250")
        self.assertEqual(" ".join(row.strip() for row in game.rows()[3:6] if row.strip()), WIN_TEXT)

    def test_problems_are_told_before_the_screen_opens_and_the_rest_plays(self):
        game = self.start(b"[Easy]\n" + aiken_pack(25) + BROKEN_QUESTION)
        screen = game.wait_for("Press Enter")
        self.assertIn("quiz.txt:177:1: error: the question has 3 choices; the game plays four, A to D", screen.replace("\n", ""))
        self.assertIn("quiz.txt: Aiken, UTF-8; 26 questions, 1 left out; Easy 25, Hard its own, Logic its own",
                      game.tmux("capture-pane", "-p", "-J"))
        game.keys("Enter")
        game.wait_for(START_ANSWER_A)
        game.keys("C-e")
        game.wait_until(lambda: re.search(r"Колко е \d+\?", game.screen()), "a question of the pack")
        game.keys("C-l")
        game.wait_until(lambda: not re.search(r"Колко е \d+\?", game.screen()), "a Logic question of the game's own")

    def test_a_pack_that_plays_no_level_leaves_the_games_own_questions(self):
        game = self.start(aiken_pack(3))
        screen = game.wait_for("Press Enter")
        self.assertIn("no level can be played from this pack; the game plays its own questions",
                      game.tmux("capture-pane", "-p", "-J"))
        game.keys("Enter")
        game.wait_for(START_ANSWER_A)
        self.assertNotIn("quiz.txt", game.rows()[0])
        game.keys("C-e")
        game.wait_for("1.")
        self.assertNotRegex(game.screen(), r"Колко е \d+\?")

    def test_a_pack_that_cannot_be_read_ends_with_status_2_before_any_screen(self):
        status, error, shown = run_in_pty(["/no/such/quiz.txt"])
        self.assertEqual((status, error), (2, "/no/such/quiz.txt: error: there is no such file\n"))
        self.assertNotIn(b"\x1b", shown)


class Refusals(unittest.TestCase):
    def check_refusal(self, words, **environment):
        status, error, shown = run_in_pty([], **environment)
        self.assertEqual(status, 2, error)
        self.assertEqual(shown, b"", "the terminal untouched")
        self.assertTrue(error.startswith("mendo: ") and error.endswith("\n"), error)
        for word in words:
            self.assertIn(word, error)
        return error

    def check_wrapped(self, lines, unwrapped, width):
        """Every line fits but a word longer than the width, and no word is cut between lines."""
        self.assertGreater(len(lines), unwrapped.count("\n"), "wrapped:\n" + "\n".join(lines))
        for line in lines:
            self.assertTrue(len(line) <= width or " " not in line, "too long: %r" % line)
        self.assertEqual(" ".join(lines).split(), unwrapped.split())

    def test_terminals_that_cannot_show_the_game(self):
        for term in (None, "", "dumb", "no-such-terminal"):
            with self.subTest(term=term):
                self.check_refusal(("TERM", "move its cursor", "TERM=xterm-256color"), TERM=term)

    def test_a_locale_that_is_not_installed(self):
        """Told in the lines it was written in where stderr is no terminal, whatever COLUMNS says."""
        error = self.check_refusal(("xx_YY.UTF-8", "LANG", "not installed", "LC_ALL=C.UTF-8"), LC_ALL=None,
                                   LC_CTYPE=None, LANG="xx_YY.UTF-8", COLUMNS="20")
        self.assertEqual(error.count("\n"), 2, error)
        self.check_refusal(("xx_YY.UTF-8", "LC_ALL", "not installed"), LC_ALL="xx_YY.UTF-8")

    def test_a_refusal_fits_a_narrow_terminal_between_words(self):
        width = 40
        for locale, term in (("C.UTF-8", "dumb"), ("xx_YY.UTF-8", "tmux-256color"), ("C", "tmux-256color")):
            with self.subTest(locale=locale, term=term):
                game = GameInTmux(locale=locale, term=term, name="mendo", width=width)
                self.addCleanup(game.close)
                self.assertEqual(game.wait_for_file("status"), "2")
                _, unwrapped, _ = run_in_pty([], program=game.program, LC_ALL=locale, TERM=term)
                self.assertTrue(unwrapped.startswith("mendo: "), unwrapped)
                self.check_wrapped(game.written_lines(), unwrapped, width)

    def test_a_terminal_that_tells_no_width_wraps_to_columns(self):
        status, _, shown = run_in_pty([], size=(0, 0), errors_shown=True, TERM="dumb", COLUMNS="30")
        _, unwrapped, _ = run_in_pty([], TERM="dumb")
        self.assertEqual(status, 2)
        self.check_wrapped(shown.decode().replace("\r\n", "\n").rstrip("\n").split("\n"), unwrapped, 30)


class Looks(unittest.TestCase):
    def start(self, **options):
        game = GameInTmux(**options)
        self.addCleanup(game.close)
        game.wait_for(START_ANSWER_A)
        game.keys("C-e")
        game.wait_for("точки:  0")
        return game

    def open_box(self, game):
        """The refusal of "-10" with no points: a box with its caption bar, " mendo"."""
        game.keys("1")
        screen = game.wait_for("платежоспособен")
        row = next(y for y, line in enumerate(screen.split("\n")) if " mendo" in line)
        return game.styles(), row, screen.split("\n")[row].index(" mendo")

    def question_cells(self, styles):
        return [cell for row in styles[3:6] for cell in row[7:73] if cell[0] != " "]

    def test_256_colours_a_caption_bar_apart_an_emphasised_question_and_a_gauge_in_eighths(self):
        game = self.start()
        styles, row, column = self.open_box(game)
        game_colours = styles[21][30][1]
        caption = styles[row][column + 2][1]
        self.assertEqual((game_colours["fg"], game_colours["bg"]), (46, 67))
        self.assertNotEqual(caption["bg"], game_colours["bg"], "the caption bar stands out")
        self.assertNotEqual(caption["bg"], styles[row + 2][column][1]["bg"], "from the box too")
        self.assertTrue(caption["bold"])
        game.keys("Enter")
        game.wait_for_none("платежоспособен")
        for style in (cell[1] for cell in self.question_cells(styles)):
            self.assertTrue(style["bold"] and style["underline"] and style["italic"], style)
        self.assertFalse(styles[3][7][1]["underline"], "the blanks around the question stay plain")

        # The window's gauge runs from 1 to 25: 10 points are the empty bar, and each 10 more a
        # 24th of it, 80 eighths of a row in all.
        gauge = [(10, ["  "] * 10), (20, ["  "] * 9 + ["\u2583\u2583"]), (30, ["  "] * 9 + ["\u2587\u2587"]),
                 (40, ["  "] * 8 + ["\u2582\u2582", "  "])]
        for points, column in gauge:
            game.keys(game.hint_letter())
            game.wait_for("точки:  %d" % points)
            self.assertEqual([game.rows()[y][61:63] for y in range(10, 20)], column, "%d points" % points)
        styles = game.styles()
        self.assertEqual(styles[19][61][1]["bg"], 46, "a full row in the filled part's colour")
        self.assertEqual((styles[18][61][1]["fg"], styles[18][61][1]["bg"]), (46, 67), "a part of one in it")

    def test_8_colours_a_black_caption_bar_on_the_blue_game(self):
        game = self.start(term="screen")
        styles, row, column = self.open_box(game)
        blue, black, white = 4, 0, 7
        self.assertEqual(styles[21][30][1]["bg"], blue)
        self.assertEqual(styles[row][column + 2][1]["bg"], black)
        self.assertEqual(styles[row + 2][column][1]["bg"], white)
        for style in (cell[1] for cell in self.question_cells(styles)):
            self.assertTrue(style["bold"] and style["underline"], style)
            self.assertFalse(style["italic"], "screen has no italics")

    def test_no_color_draws_as_on_a_monochrome_terminal(self):
        game = self.start(environment=[("NO_COLOR", "1")])
        styles, row, column = self.open_box(game)
        colours = {(style["fg"], style["bg"]) for line in styles for _, style in line}
        self.assertEqual(colours, {(None, None)})
        self.assertTrue(styles[row][column + 2][1]["reverse"], "the caption bar")
        self.assertTrue(styles[0][40][1]["reverse"], "the title bar")
        self.assertFalse(styles[21][30][1]["reverse"])
        for style in (cell[1] for cell in self.question_cells(styles)):
            self.assertTrue(style["bold"] and style["underline"] and style["italic"], style)
        coloured = self.start(environment=[("NO_COLOR", "")])
        self.assertEqual(coloured.styles()[21][30][1]["bg"], 67, "an empty NO_COLOR asks nothing")


class Suspend(unittest.TestCase):
    def check_terminal_as_before(self, game, name):
        game.wait_until(game.stopped, "the game to stop")
        game.wait_until(lambda: game.flag("alternate_on") == "0", "the shell's screen")
        self.assertEqual(game.flag("cursor_flag"), "1", "the cursor shows")
        self.assertEqual(game.flag("mouse_any_flag"), "0", "the mouse is the terminal's again")
        self.assertEqual(game.flag("keypad_flag"), "0")
        self.assertEqual(game.shell("stty -g > " + name, name), game.wait_for_file("before"), "the modes")

    def test_ctrl_z_and_a_stop_signal_give_the_shell_the_terminal_until_fg(self):
        game = GameInTmux(shell=True)
        self.addCleanup(game.close)
        game.wait_for(START_ANSWER_A)
        game.keys("C-e")
        game.wait_for("точки:  0")
        playing = game.still_screen()
        game.keys("C-z")
        self.check_terminal_as_before(game, "suspended")
        game.text("fg")
        game.keys("Enter")
        game.wait_until(lambda: game.still_screen() == playing, "the same game again")
        self.assertEqual(game.flag("alternate_on"), "1")

        game.keys("M-a")
        game.wait_for("http://mendo.test")
        about = game.still_screen()
        os.kill(game.pid, signal.SIGTSTP)
        self.check_terminal_as_before(game, "stopped")
        game.text("fg")
        game.keys("Enter")
        game.wait_until(lambda: game.still_screen() == about, "the About box again")
        game.keys("Escape")
        game.wait_for_none("http://mendo.test")
        game.keys("C-c")
        game.wait_until(lambda: game.flag("alternate_on") == "0", "the end")
        self.assertEqual(game.shell(SHELL_END, "after"), game.wait_for_file("before"))
        self.assertEqual(game.wait_for_file("status"), "0")


class Terminals(unittest.TestCase):
    def test_every_kind_of_terminal_is_left_clean(self):
        """With a screen for programs or without one (vt100, the Linux console), with colours or not."""
        for term in ("tmux-256color", "xterm", "screen", "vt100", "linux"):
            with self.subTest(term):
                game = GameInTmux(term=term)
                self.addCleanup(game.close)
                game.wait_for(START_ANSWER_A)
                game.keys("C-e")
                game.wait_for("точки:  0")
                game.keys("C-c")
                self.assertEqual(game.wait_for_file("status"), "0")
                self.assertEqual(game.wait_for_file("after"), game.wait_for_file("before"), "the terminal's modes")
                game.wait_until(lambda: game.screen().strip() == "", "a clean screen")
                self.assertEqual(game.flag("cursor_flag"), "1", "the cursor shows")
                self.assertEqual(game.flag("mouse_any_flag"), "0")


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv[1])
    unittest.main(argv=[sys.argv[0]] + sys.argv[2:], verbosity=2)
