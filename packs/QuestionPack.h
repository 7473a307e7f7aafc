#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "packs/PackLines.h"
#include "packs/PackProblem.h"
#include "packs/WrittenQuestion.h"
#include "questions/PoolEntry.h"

enum class PackFormat { Aiken, Csv };

// A file bigger than this is refused without being read whole: 16 MiB holds well over a
// hundred thousand questions.
constexpr std::size_t kPackSizeLimit = std::size_t{16} << 20;

// A game's worth of questions: a level played from a pack needs at least this many.
constexpr int kLevelQuestionsNeeded = kRoundLength;

// The questions a player brings, read from a file: each usable question held once, in the
// game's bytes and the order of the file, and for each level the questions it plays. A level
// that the pack gives no questions to, or too few, keeps its own pool.
class QuestionPack {
public:
    // Reads the bytes of a pack's file. Whatever they hold, the result is a pack, perhaps
    // without a level that can be played, and every problem found in them.
    static QuestionPack Read(std::string_view bytes);

    const PackProblems& Problems() const { return m_problems; }
    bool HasErrors() const;

    PackFormat Format() const { return m_format; }
    PackEncoding Encoding() const { return m_encoding; }
    bool HasByteOrderMark() const { return m_byteOrderMark; }
    char Delimiter() const { return m_delimiter; }  // of a CSV pack
    bool HasHeader() const { return m_header; }     // of a CSV pack
    bool NamesLevels() const { return m_namesLevels; }
    bool Names(PackLevel level) const;

    int WrittenCount() const { return m_written; }  // the questions the file holds, usable or not
    int UsableCount() const { return m_usable; }    // those that some level plays
    int Count(PackLevel level) const;
    // Whether the level can be played from the pack.
    bool Plays(PackLevel level) const;
    bool PlaysAnyLevel() const;

    // Question i of the level's questions, written into an entry like those of the pools.
    void CopyEntry(PackLevel level, int i, PoolEntry& entry) const;

    // The bytes the pack holds its questions in.
    std::size_t HeldBytes() const;

private:
    friend class PackBuilder;

    // A question held: where its five texts begin in m_texts, and the number of its right answer.
    struct HeldQuestion {
        std::uint32_t text[1 + kAnswerCount];
        unsigned char nCorrect;
    };

    PackProblems m_problems;
    PackFormat m_format = PackFormat::Aiken;
    PackEncoding m_encoding = PackEncoding::Utf8;
    bool m_byteOrderMark = false;
    char m_delimiter = ',';
    bool m_header = false;
    bool m_namesLevels = false;
    unsigned m_named = 0;  // the levels the pack names, as bits of LevelBit
    int m_written = 0;
    int m_usable = 0;

    std::string m_texts;  // every text, each ending in a zero
    std::vector<HeldQuestion> m_questions;
    std::vector<std::uint32_t> m_levels[kPackLevelCount];
};
