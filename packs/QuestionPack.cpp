#include "packs/QuestionPack.h"

#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "packs/AikenFormat.h"
#include "packs/CsvFormat.h"
#include "packs/PackRules.h"

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr char kDelimiters[] = {';', ',', '\t'};  // in this order when a line has as many of each
constexpr int kCsvDelimitersNeeded = 5;           // a row of a question has six fields

bool StartsUtf16(std::string_view bytes) {
    return bytes.size() >= 2 &&
           ((bytes[0] == '\xFF' && bytes[1] == '\xFE') || (bytes[0] == '\xFE' && bytes[1] == '\xFF'));
}

// Whether the bytes can be a text of questions at all; when not, the one sentence that says so.
bool IsText(std::string_view bytes, PackProblems& problems) {
    if (bytes.empty()) {
        problems.push_back({0, 0, Severity::Error, "the file is empty"});
        return false;
    }
    if (StartsUtf16(bytes)) {
        problems.push_back({0, 0, Severity::Error, "the file is in UTF-16; save it as UTF-8"});
        return false;
    }
    const std::size_t nul = bytes.find('\0');
    if (nul != std::string_view::npos) {
        const std::string_view before = bytes.substr(0, nul);
        const std::size_t lineStart = before.find_last_of("\r\n") + 1;
        int line = 1;
        for (std::size_t i = 0; i < lineStart; ++i) {
            line += before[i] == '\n' || (before[i] == '\r' && (i + 1 >= before.size() || before[i + 1] != '\n'));
        }
        // A column counts characters: the continuation bytes of UTF-8 do not start one.
        int column = 1;
        for (std::size_t i = lineStart; i < nul; ++i) {
            column += (static_cast<unsigned char>(before[i]) & 0xC0) != 0x80;
        }
        problems.push_back(
            {line, column, Severity::Error, "the file holds a NUL byte here, so it is no text of questions"});
        return false;
    }
    return true;
}

std::string_view TrimmedBytes(std::string_view line) {
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// Aiken when the second line that holds something is a choice; CSV when the first has enough of
// one delimiter outside quotes; Aiken otherwise, whose reader then tells what it finds.
PackFormat FormatOf(std::string_view bytes, char& delimiter) {
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::string_view lines[2];
    int found = 0;
    while (found < 2 && !bytes.empty()) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n"), bytes.size());
        const std::string_view line = TrimmedBytes(bytes.substr(0, end));
        bytes.remove_prefix(std::min(end + 1, bytes.size()));
        if (line.size() >= 2 && !(line.front() == '[' && line.back() == ']')) {
            lines[found++] = line;
        }
    }
    const std::string_view second = lines[1];
    if (second.size() >= 2 && second[0] >= 'A' && second[0] <= 'Z' && (second[1] == ')' || second[1] == '.')) {
        return PackFormat::Aiken;
    }
    int most = 0;
    for (const char each : kDelimiters) {
        const int count = CountDelimiters(lines[0], each);
        if (count > most) {
            most = count;
            delimiter = each;
        }
    }
    return most >= kCsvDelimitersNeeded ? PackFormat::Csv : PackFormat::Aiken;
}

}  // namespace

// Takes the questions that the format's reader finds, keeps those that keep the game's limits,
// and gives each level its questions once the file is read.
class PackBuilder final : public PackReading {
public:
    explicit PackBuilder(QuestionPack& pack) : m_pack(pack) {}

    void Question(const WrittenQuestion& written) override {
        ++m_pack.m_written;
        const bool usable = m_rules.Hold(written, m_pack.m_problems, m_held);
        if (!usable || written.correct == 0 || written.levels == kUnknownLevel || IsRepeated(written)) {
            return;
        }
        if (written.levels == 0 && m_unmarkedLine == 0) {
            m_unmarkedLine = written.question.line;
        }
        m_unmarked += written.levels == 0;
        QuestionPack::HeldQuestion held{};
        held.text[0] = Keep(m_held.question);
        for (int k = 0; k < kAnswerCount; ++k) {
            held.text[1 + k] = Keep(m_held.answers[k]);
        }
        held.nCorrect = static_cast<unsigned char>(written.correct);
        m_pack.m_questions.push_back(held);
        m_questionLevels.push_back(written.levels);
        m_questionLines.push_back(written.question.line);
    }

    void BrokenQuestion() override { ++m_pack.m_written; }

    void LevelNamed(PackLevel level, int line) override {
        const int slot = static_cast<int>(level);
        if (m_levelLine[slot] == 0) {
            m_levelLine[slot] = line;
        }
        m_pack.m_named |= LevelBit(level);
    }

    void Problem(PackProblem problem) override { m_pack.m_problems.push_back(std::move(problem)); }

    void Finish() {
        QuestionPack& pack = m_pack;
        pack.m_namesLevels = pack.m_named != 0;
        if (pack.m_namesLevels && m_unmarked > 0) {
            Tell(m_unmarkedLine, 1,
                 std::to_string(m_unmarked) + (m_unmarked == 1 ? " question stands" : " questions stand") +
                     " before any level, in a pack that names levels; give " + (m_unmarked == 1 ? "it" : "them") +
                     " [Easy], [Hard] or [Logic]");
        }
        for (std::size_t i = 0; i < pack.m_questions.size(); ++i) {
            const unsigned levels = pack.m_namesLevels ? m_questionLevels[i] : kEveryLevel;
            pack.m_usable += levels != 0;
            for (int slot = 0; slot < kPackLevelCount; ++slot) {
                if ((levels & (1u << slot)) != 0) {
                    pack.m_levels[slot].push_back(static_cast<std::uint32_t>(i));
                }
            }
        }
        if (pack.m_written == 0) {
            Tell(0, 0, "the file holds no questions");
        } else if (!pack.m_namesLevels && pack.Count(PackLevel::Easy) < kLevelQuestionsNeeded) {
            Tell(0, 0,
                 "the pack has " + Usable(pack.Count(PackLevel::Easy)) + "; a game needs " +
                     std::to_string(kLevelQuestionsNeeded));
        }
        for (PackLevel level : {PackLevel::Easy, PackLevel::Hard, PackLevel::Logic}) {
            const int count = pack.Count(level);
            if (pack.Names(level) && count < kLevelQuestionsNeeded) {
                Tell(m_levelLine[static_cast<int>(level)], 1,
                     std::string("the level ") + LevelName(level) + " has " + Usable(count) + "; a game needs " +
                         std::to_string(kLevelQuestionsNeeded));
            }
        }
        // In the order of the file; what belongs to the whole file comes last.
        std::stable_sort(pack.m_problems.begin(), pack.m_problems.end(),
                         [](const PackProblem& a, const PackProblem& b) {
                             const unsigned lineA = static_cast<unsigned>(a.line - 1);
                             const unsigned lineB = static_cast<unsigned>(b.line - 1);
                             return lineA != lineB ? lineA < lineB : a.column < b.column;
                         });
        pack.m_texts.shrink_to_fit();
        pack.m_questions.shrink_to_fit();
        for (std::vector<std::uint32_t>& questions : pack.m_levels) {
            questions.shrink_to_fit();
        }
    }

private:
    // A game never asks a question twice: the same question with the same answers, for the same
    // levels, is left out after its first time.
    bool IsRepeated(const WrittenQuestion& written) {
        SortedAnswers answers;
        for (int k = 0; k < kAnswerCount; ++k) {
            answers[k] = m_held.answers[k].c_str();
        }
        Sort(answers);
        std::uint64_t hash = kHashStart ^ written.levels;
        Hash(hash, m_held.question.c_str());
        for (const char* answer : answers) {
            Hash(hash, answer);
        }
        const auto [first, last] = m_seen.equal_range(hash);
        for (auto seen = first; seen != last; ++seen) {
            if (IsSame(seen->second, written.levels, answers)) {
                Tell(written.question.line, written.question.column,
                     "this question is the one on line " + std::to_string(m_questionLines[seen->second]) +
                         " again, with the same answers; a game would ask it twice");
                return true;
            }
        }
        m_seen.emplace(hash, static_cast<std::uint32_t>(m_pack.m_questions.size()));
        return false;
    }

    using SortedAnswers = const char* [kAnswerCount];

    static void Sort(SortedAnswers& answers) {
        std::sort(std::begin(answers), std::end(answers),
                  [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
    }

    // FNV-1a over the texts, each with its terminator.
    static constexpr std::uint64_t kHashStart = 14695981039346656037ULL;
    static void Hash(std::uint64_t& hash, const char* text) {
        do {
            hash = (hash ^ static_cast<unsigned char>(*text)) * 1099511628211ULL;
        } while (*text++ != '\0');
    }

    bool IsSame(std::uint32_t held, unsigned levels, const SortedAnswers& answers) const {
        const QuestionPack::HeldQuestion& other = m_pack.m_questions[held];
        const char* texts = m_pack.m_texts.c_str();
        if (m_questionLevels[held] != levels || m_held.question != texts + other.text[0]) {
            return false;
        }
        SortedAnswers others;
        for (int k = 0; k < kAnswerCount; ++k) {
            others[k] = texts + other.text[1 + k];
        }
        Sort(others);
        return std::equal(std::begin(answers), std::end(answers), std::begin(others),
                          [](const char* a, const char* b) { return std::strcmp(a, b) == 0; });
    }

    std::uint32_t Keep(const std::string& text) {
        const std::uint32_t at = static_cast<std::uint32_t>(m_pack.m_texts.size());
        m_pack.m_texts.append(text.c_str(), text.size() + 1);
        return at;
    }

    static std::string Usable(int count) {
        return std::to_string(count) + (count == 1 ? " usable question" : " usable questions");
    }

    void Tell(int line, int column, std::string message) {
        m_pack.m_problems.push_back({line, column, Severity::Error, std::move(message)});
    }

    QuestionPack& m_pack;
    PackRules m_rules;
    HeldTexts m_held;
    std::vector<unsigned> m_questionLevels;  // for each question held
    std::vector<int> m_questionLines;
    int m_levelLine[kPackLevelCount] = {};  // where the pack first names each level
    int m_unmarked = 0;                     // questions held before any level mark
    int m_unmarkedLine = 0;
    std::unordered_multimap<std::uint64_t, std::uint32_t> m_seen;  // each question held, by the hash of its texts
};

QuestionPack QuestionPack::Read(std::string_view bytes) {
    QuestionPack pack;
    if (!IsText(bytes, pack.m_problems)) {
        return pack;
    }
    PackLines lines(bytes, pack.m_problems);
    pack.m_encoding = lines.Encoding();
    pack.m_byteOrderMark = lines.HasByteOrderMark();
    pack.m_texts.reserve(bytes.size());
    PackBuilder builder(pack);
    pack.m_format = FormatOf(bytes, pack.m_delimiter);
    if (pack.m_format == PackFormat::Csv) {
        CsvShape shape{pack.m_delimiter, false};
        ReadCsv(lines, builder, shape);
        pack.m_header = shape.header;
    } else {
        ReadAiken(lines, builder);
    }
    builder.Finish();
    return pack;
}

bool QuestionPack::HasErrors() const {
    return std::any_of(m_problems.begin(), m_problems.end(),
                       [](const PackProblem& problem) { return problem.severity == Severity::Error; });
}

bool QuestionPack::Names(PackLevel level) const {
    return (m_named & LevelBit(level)) != 0;
}

int QuestionPack::Count(PackLevel level) const {
    return static_cast<int>(m_levels[static_cast<int>(level)].size());
}

bool QuestionPack::Plays(PackLevel level) const {
    return Count(level) >= kLevelQuestionsNeeded;
}

bool QuestionPack::PlaysAnyLevel() const {
    return Plays(PackLevel::Easy) || Plays(PackLevel::Hard) || Plays(PackLevel::Logic);
}

void QuestionPack::CopyEntry(PackLevel level, int i, PoolEntry& entry) const {
    const HeldQuestion& held = m_questions[m_levels[static_cast<int>(level)][static_cast<std::size_t>(i)]];
    std::strcpy(entry.szQuestion, m_texts.c_str() + held.text[0]);
    for (int k = 0; k < kAnswerCount; ++k) {
        std::strcpy(entry.szAnswer[k], m_texts.c_str() + held.text[1 + k]);
    }
    entry.nCorrect = held.nCorrect;
}

std::size_t QuestionPack::HeldBytes() const {
    std::size_t bytes = m_texts.capacity() + m_questions.capacity() * sizeof(HeldQuestion);
    for (const std::vector<std::uint32_t>& questions : m_levels) {
        bytes += questions.capacity() * sizeof(std::uint32_t);
    }
    return bytes;
}
