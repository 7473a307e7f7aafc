#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <string>

#include "PackSamples.h"
#include "packs/CodePage1251.h"

namespace {

// What the C library says a byte of Windows-1251 is; 0 where it has no character.
char32_t IconvCharacterOf(unsigned char byte) {
    iconv_t convert = iconv_open("UTF-32LE", "CP1251");
    char in[1] = {static_cast<char>(byte)};
    unsigned char out[4] = {};
    char* inAt = in;
    char* outAt = reinterpret_cast<char*>(out);
    std::size_t inLeft = 1;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(convert, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(convert);
    if (done == static_cast<std::size_t>(-1)) {
        return 0;
    }
    return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<char32_t>(out[3]) << 24);
}

TEST(CodePageTest, EveryByteIsTheCharacterTheCLibraryKnowsAndBack) {
    for (int byte = 1; byte < 256; ++byte) {
        const char32_t expected = IconvCharacterOf(static_cast<unsigned char>(byte));
        EXPECT_EQ(CharacterOf1251(static_cast<unsigned char>(byte)), expected) << "byte " << byte;
        unsigned char back = 0;
        if (expected != 0) {
            EXPECT_TRUE(ByteOf1251(expected, back));
            EXPECT_EQ(back, byte);
        }
    }
    unsigned char byte;
    EXPECT_FALSE(ByteOf1251(U'\u0151', byte)) << "Hungarian o with two accents is not in the code page";
}

const std::string kPack = AikenQuestions(25);

TEST(PackEncodingTest, UtfEightWithOrWithoutAByteOrderMarkReadsTheSame) {
    const QuestionPack plain = QuestionPack::Read(kPack);
    const QuestionPack marked = QuestionPack::Read("\xEF\xBB\xBF" + kPack);
    EXPECT_FALSE(plain.HasErrors());
    EXPECT_FALSE(marked.HasErrors());
    EXPECT_EQ(plain.Encoding(), PackEncoding::Utf8);
    EXPECT_EQ(marked.Encoding(), PackEncoding::Utf8);
    EXPECT_TRUE(marked.HasByteOrderMark());
    EXPECT_EQ(HeldQuestion(marked, PackLevel::Easy, 0), "Колко е 1");
    EXPECT_EQ(HeldQuestion(plain, PackLevel::Easy, 24), "Колко е 25");
}

TEST(PackEncodingTest, AFileThatIsNotUtfEightIsWindows1251) {
    // The test's plain literals are Windows-1251 already, as an old editor saves them.
    std::string pack;
    for (int i = 1; i <= 25; ++i) {
        pack += "Кой е номер " + std::to_string(i) + "\r\nA) едно\r\nB) две\r\nC) три\r\nD) " + std::to_string(i) +
                "\r\nANSWER: D\r\n";
    }
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(read.Encoding(), PackEncoding::Windows1251);
    EXPECT_FALSE(read.HasErrors()) << ProblemLines(read).front();
    EXPECT_EQ(HeldQuestion(read, PackLevel::Hard, 2), "Кой е номер 3");
    EXPECT_NE(SummaryLine("q.txt", read).find("Windows-1251"), std::string::npos);
}

TEST(PackEncodingTest, StrayBytesInUtfEightAreToldWhereTheyStandAndTheRestPlays) {
    std::string pack = AikenQuestions(26);
    pack.replace(pack.find(u8"Колко е 3"), 2, "\xE9");  // the К of question 3, as Latin-1 would write é
    const QuestionPack read = QuestionPack::Read(pack);
    EXPECT_EQ(read.Encoding(), PackEncoding::Utf8);
    ASSERT_EQ(ProblemLines(read).size(), 1u);
    EXPECT_EQ(ProblemLines(read)[0],
              "15:1: error: the byte 0xE9 is not UTF-8, while the rest of the file is; save the file as UTF-8 again");
    EXPECT_EQ(read.UsableCount(), 25);
}

TEST(PackEncodingTest, AByteOrderMarkInTheMiddleIsTold) {
    const std::string pack = AikenQuestions(25) + "\xEF\xBB\xBF" + AikenQuestions(1, 26);
    const QuestionPack read = QuestionPack::Read(pack);
    ASSERT_EQ(ProblemLines(read).size(), 1u);
    EXPECT_EQ(ProblemLines(read)[0],
              "176:1: error: a byte-order mark stands in the middle of the file, as where two files were joined");
    EXPECT_EQ(read.UsableCount(), 25);
}

TEST(PackEncodingTest, LfCrLfAndCrLineEndsReadAlike) {
    std::string crlf;
    std::string cr;
    for (const char c : kPack) {
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        cr += c == '\n' ? '\r' : c;
    }
    const std::string broken = kPack.substr(0, kPack.rfind("A) 25"));  // the last question cut off
    for (const std::string& pack : {crlf, cr}) {
        const QuestionPack read = QuestionPack::Read(pack);
        EXPECT_FALSE(read.HasErrors());
        EXPECT_EQ(read.Count(PackLevel::Logic), 25);
        EXPECT_EQ(HeldQuestion(read, PackLevel::Logic, 24), "Колко е 25");
    }
    for (const std::string& pack : {broken, std::string(broken).replace(0, 0, "\r\n")}) {
        ASSERT_FALSE(ProblemLines(QuestionPack::Read(pack)).empty());
    }
    EXPECT_EQ(ProblemLines(QuestionPack::Read(broken))[0],
              "169:1: error: the question has no ANSWER: line after its choices");
}

TEST(PackEncodingTest, WhatIsNoTextGetsOneSentenceAndNothingIsRead) {
    struct Case {
        std::string bytes;
        std::string line;
    };
    const Case cases[] = {
        {"", "error: the file is empty"},
        {Bytes("\xFF\xFEK\0"), "error: the file is in UTF-16; save it as UTF-8"},
        {Bytes(u8"Въпрос\nA) x\nB) я\0\n"),
         "3:5: error: the file holds a NUL byte here, so it is no text of questions"},
        {Bytes("\x89PNG\r\n\x1A\n\0\0"), "3:1: error: the file holds a NUL byte here, so it is no text of questions"},
    };
    for (const Case& each : cases) {
        const QuestionPack read = QuestionPack::Read(each.bytes);
        ASSERT_EQ(ProblemLines(read), std::vector<std::string>{each.line});
        EXPECT_EQ(read.WrittenCount(), 0);
        EXPECT_FALSE(read.PlaysAnyLevel());
    }
}

TEST(PackEncodingTest, TheByteWindows1251LeavesEmptyIsTold) {
    std::string pack;
    for (int i = 1; i <= 25; ++i) {
        pack += "Кой " + std::to_string(i) + "\nA) а\nB) б\nC) в\nD) г\nANSWER: A\n";
    }
    pack.insert(pack.find("в\n"), "\x98");
    const QuestionPack read = QuestionPack::Read(pack);
    ASSERT_EQ(ProblemLines(read).size(), 2u);
    EXPECT_EQ(ProblemLines(read)[0],
              "4:4: error: the byte 0x98 is no character in Windows-1251, which this file is read as");
    EXPECT_EQ(ProblemLines(read)[1], "error: the pack has 24 usable questions; a game needs 25");
}

}  // namespace
