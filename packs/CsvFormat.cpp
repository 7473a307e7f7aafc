#include "packs/CsvFormat.h"

#include <string>
#include <vector>

#include "packs/PackSyntax.h"

namespace {

constexpr char32_t kQuote = U'"';
constexpr std::size_t kQuestionFields = 2 + kAnswerCount;  // the question, four answers, the right one
constexpr std::size_t kLevelField = kQuestionFields;
constexpr std::size_t kRightField = kQuestionFields - 1;

// A field of a row: its text, and where it stands.
struct Field {
    std::vector<SourceCharacter> text;
    int column = 0;
};

bool IsBlank(char32_t c, char32_t delimiter) {
    return (c == U' ' || c == U'\t') && c != delimiter;
}

// The right answer's number from its letter or digit, 0 for anything else.
int RightAnswerOf(Span text) {
    if (text.size() != 1) {
        return 0;
    }
    const char32_t c = text[0];
    if (c >= U'A' && c <= U'D') {
        return static_cast<int>(c - U'A') + 1;
    }
    if (c >= U'a' && c <= U'd') {
        return static_cast<int>(c - U'a') + 1;
    }
    if (c >= U'1' && c <= U'4') {
        return static_cast<int>(c - U'1') + 1;
    }
    return 0;
}

Span SpanOf(const Field& field) {
    return {field.text.data(), field.text.data() + field.text.size()};
}

class CsvReader {
public:
    CsvReader(PackLines& lines, PackReading& reading, CsvShape& shape)
        : m_lines(lines),
          m_reading(reading),
          m_shape(shape),
          m_delimiter(static_cast<unsigned char>(shape.delimiter)) {}

    void Read() {
        PackLine line;
        bool first = true;
        while (m_lines.Next(line)) {
            if (!SplitFields(line)) {
                first = false;
                m_reading.BrokenQuestion();
                continue;
            }
            while (m_count > kQuestionFields && m_fields[m_count - 1].text.empty()) {
                --m_count;
            }
            if (IsBlankRow()) {
                continue;
            }
            if (first) {
                first = false;
                if (m_count >= kQuestionFields && RightAnswerOf(Trimmed(SpanOf(m_fields[kRightField]))) == 0) {
                    m_shape.header = true;
                    continue;
                }
            }
            Row(line.number);
        }
    }

private:
    // The line's fields; false with the fault told when its quotes are wrong.
    bool SplitFields(const PackLine& line) {
        m_count = 0;
        const std::vector<SourceCharacter>& c = line.characters;
        std::size_t i = 0;
        const int lineEnd = c.empty() ? 1 : c.back().column + 1;
        while (true) {
            while (i < c.size() && IsBlank(c[i].code, m_delimiter)) {
                ++i;
            }
            Field& field = NewField(i < c.size() ? c[i].column : lineEnd);
            if (i < c.size() && c[i].code == kQuote) {
                const int opened = c[i].column;
                ++i;
                bool closed = false;
                while (i < c.size()) {
                    if (c[i].code == kQuote) {
                        if (i + 1 < c.size() && c[i + 1].code == kQuote) {
                            field.text.push_back(c[i]);
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    field.text.push_back(c[i]);
                    ++i;
                }
                if (!closed) {
                    Tell(line.number, opened,
                         "the quote opened here is not closed on its line; a question and its answers stand on "
                         "one line");
                    return false;
                }
                while (i < c.size() && IsBlank(c[i].code, m_delimiter)) {
                    ++i;
                }
                if (i < c.size() && c[i].code != m_delimiter) {
                    Tell(line.number, c[i].column, "text follows the closing quote of a field");
                    return false;
                }
            } else {
                while (i < c.size() && c[i].code != m_delimiter) {
                    field.text.push_back(c[i]);
                    ++i;
                }
                while (!field.text.empty() && IsBlank(field.text.back().code, m_delimiter)) {
                    field.text.pop_back();
                }
            }
            if (i >= c.size()) {
                return true;
            }
            ++i;  // the delimiter
        }
    }

    // Fields are kept from row to row, so that their room is used again.
    Field& NewField(int column) {
        if (m_count == m_fields.size()) {
            m_fields.emplace_back();
        }
        Field& field = m_fields[m_count++];
        field.text.clear();
        field.column = column;
        return field;
    }

    bool IsBlankRow() const {
        for (std::size_t i = 0; i < m_count; ++i) {
            if (!m_fields[i].text.empty()) {
                return false;
            }
        }
        return true;
    }

    void Row(int line) {
        if (m_count < kQuestionFields || m_count > kQuestionFields + 1) {
            Tell(line, 1,
                 "the row has " + std::to_string(m_count) + (m_count == 1 ? " field" : " fields") +
                     "; a question's row has six: the question, answers A to D and the right answer, and a "
                     "seventh for its level if it has one");
            m_reading.BrokenQuestion();
            return;
        }
        const Field& right = m_fields[kRightField];
        const int correct = RightAnswerOf(Trimmed(SpanOf(right)));
        bool usable = true;
        if (correct == 0) {
            Tell(line, right.column, "the right answer is none of A to D and 1 to 4");
            usable = false;
        }
        unsigned levels = 0;
        if (m_count > kLevelField && !m_fields[kLevelField].text.empty()) {
            PackLevel level;
            if (LevelOfWord(Trimmed(SpanOf(m_fields[kLevelField])), level)) {
                levels = LevelBit(level);
                m_reading.LevelNamed(level, line);
            } else {
                Tell(line, m_fields[kLevelField].column, "the level is none of Easy, Hard and Logic");
                levels = kUnknownLevel;
            }
        }
        SetText(m_question.question, SpanOf(m_fields[0]), line, m_fields[0].column);
        for (int k = 0; k < kAnswerCount; ++k) {
            const Field& answer = m_fields[1 + k];
            SetText(m_question.answers[k], SpanOf(answer), line, answer.column);
        }
        m_question.correct = usable ? correct : 0;
        m_question.levels = levels;
        m_reading.Question(m_question);
    }

    void Tell(int line, int column, std::string message) {
        m_reading.Problem({line, column, Severity::Error, std::move(message)});
    }

    PackLines& m_lines;
    PackReading& m_reading;
    CsvShape& m_shape;
    char32_t m_delimiter;
    std::vector<Field> m_fields;  // only the first m_count are this row's
    std::size_t m_count = 0;
    WrittenQuestion m_question;
};

}  // namespace

void ReadCsv(PackLines& lines, PackReading& reading, CsvShape& shape) {
    CsvReader(lines, reading, shape).Read();
}

int CountDelimiters(std::string_view line, char delimiter) {
    int count = 0;
    bool quoted = false;
    for (const char c : line) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == delimiter && !quoted) {
            ++count;
        }
    }
    return count;
}
