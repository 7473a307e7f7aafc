#include "packs/AikenFormat.h"

#include <string>

#include "packs/PackSyntax.h"

namespace {

constexpr char kAnswerPrefix[] = "ANSWER:";
constexpr std::size_t kAnswerPrefixLength = sizeof kAnswerPrefix - 1;
constexpr std::size_t kChoiceLabelLength = 2;  // "A)" or "A."

bool StartsWith(Span line, const char* prefix, bool ignoreCase) {
    std::size_t i = 0;
    for (; prefix[i] != '\0'; ++i) {
        char32_t c = i < line.size() ? line[i] : 0;
        char32_t p = static_cast<unsigned char>(prefix[i]);
        if (ignoreCase && c >= U'a' && c <= U'z') {
            c -= U'a' - U'A';
        }
        if (c != p) {
            return false;
        }
    }
    return true;
}

// Moodle passes over a line of less than two bytes of UTF-8: nothing, or one ASCII character.
bool IsPassedOver(Span line) {
    return line.empty() || (line.size() == 1 && line[0] < 0x80);
}

class AikenReader {
public:
    AikenReader(PackLines& lines, PackReading& reading) : m_lines(lines), m_reading(reading) {}

    void Read() {
        PackLine line;
        while (m_lines.Next(line)) {
            const Span text = Trimmed(WholeLine(line.characters));
            if (IsPassedOver(text)) {
                continue;
            }
            if (text[0] == U'[' && text[text.size() - 1] == U']') {
                LevelMark(text, line.number);
            } else if (IsAikenChoice(text)) {
                Choice(text, line.number);
            } else if (StartsWith(text, kAnswerPrefix, false)) {
                Answer(text, line.number);
            } else if (StartsWith(text, kAnswerPrefix, true)) {
                Tell(line.number, text.begin->column, "write ANSWER: in capitals, as Moodle reads it");
                Break();
            } else {
                Question(text, line.number);
            }
        }
        LeaveOpenQuestion();
    }

private:
    void LevelMark(Span text, int line) {
        LeaveOpenQuestion();
        PackLevel level;
        if (LevelOfWord(Trimmed({text.begin + 1, text.end - 1}), level)) {
            m_levels = LevelBit(level);
            m_reading.LevelNamed(level, line);
        } else {
            m_levels = kUnknownLevel;
            Tell(line, text.begin->column, "this level mark names no level; the levels are [Easy], [Hard] and [Logic]");
        }
    }

    void Question(Span text, int line) {
        LeaveOpenQuestion();
        m_open = true;
        m_choices = 0;
        m_letterTold = false;
        SetText(m_question.question, text, line, text.begin->column);
        for (WrittenText& answer : m_question.answers) {
            answer = {line, text.begin->column, {}};
        }
    }

    void Choice(Span text, int line) {
        if (!m_open) {
            Tell(line, text.begin->column, "this choice stands before any question");
            return;
        }
        const int place = m_choices++;
        if (place >= kAnswerCount) {
            return;
        }
        const char32_t letter = text[0];
        if (letter != static_cast<char32_t>(U'A' + place) && !m_letterTold) {
            m_reading.Problem({line, text.begin->column, Severity::Warning,
                               "this choice is lettered " + CharacterName(letter) + " but is choice " +
                                   static_cast<char>('A' + place) +
                                   " by its place, as Moodle reads it; letter the choices A, B, C, D"});
            m_letterTold = true;
        }
        const Span answer = Trimmed(text.From(kChoiceLabelLength));
        SetText(m_question.answers[place], answer, line, (text.begin + kChoiceLabelLength - 1)->column + 1);
    }

    void Answer(Span text, int line) {
        if (!m_open) {
            Tell(line, text.begin->column, "this ANSWER: line stands before any question");
            return;
        }
        const Span letter = Trimmed(text.From(kAnswerPrefixLength));
        if (m_choices != kAnswerCount) {
            Tell(m_question.question.line, m_question.question.column,
                 "the question has " + std::to_string(m_choices) + (m_choices == 1 ? " choice" : " choices") +
                     "; the game plays four, A to D");
            Break();
            return;
        }
        if (letter.empty()) {
            Tell(line, text.begin->column, "ANSWER: names no letter; write the letter of the right choice, A to D");
            Break();
            return;
        }
        if (letter[0] < U'A' || letter[0] > U'D') {
            Tell(line, letter.begin->column,
                 "ANSWER: names " + CharacterName(letter[0]) + "; the right choice is one of the capitals A to D");
            Break();
            return;
        }
        m_open = false;
        m_question.correct = static_cast<int>(letter[0] - U'A') + 1;
        m_question.levels = m_levels;
        m_reading.Question(m_question);
    }

    void LeaveOpenQuestion() {
        if (m_open) {
            Tell(m_question.question.line, m_question.question.column,
                 "the question has no ANSWER: line after its choices");
            Break();
        }
    }

    // The open question is left out.
    void Break() {
        m_open = false;
        m_reading.BrokenQuestion();
    }

    void Tell(int line, int column, std::string message) {
        m_reading.Problem({line, column, Severity::Error, std::move(message)});
    }

    PackLines& m_lines;
    PackReading& m_reading;
    WrittenQuestion m_question;
    bool m_open = false;
    int m_choices = 0;
    bool m_letterTold = false;
    unsigned m_levels = 0;  // the level of the last mark; none before the first
};

}  // namespace

bool IsAikenChoice(Span line) {
    return line.size() >= kChoiceLabelLength && line[0] >= U'A' && line[0] <= U'Z' &&
           (line[1] == U')' || line[1] == U'.');
}

void ReadAiken(PackLines& lines, PackReading& reading) {
    AikenReader(lines, reading).Read();
}
