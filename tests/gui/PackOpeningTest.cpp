#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PackFiles.h"
#include "app/PackFileReader.h"
#include "app/PackNotice.h"
#include "framework/CCommandLineInfo.h"
#include "framework/CWinApp.h"
#include "framework/CommandLineWords.h"
#include "framework/Utf8.h"
#include "packs/PackReport.h"

namespace {

std::vector<std::wstring> Words(const wchar_t* line) {
    std::vector<std::wstring> words;
    std::wstring word;
    for (const wchar_t* rest = NextWord(line, word); rest != nullptr; rest = NextWord(rest, word)) {
        words.push_back(word);
    }
    return words;
}

using WordList = std::vector<std::wstring>;

}  // namespace

TEST(CommandLineTest, WordsSplitAsWindowsProgramsSplitThem) {
    EXPECT_EQ(Words(LR"("a b c" d e)"), (WordList{L"a b c", L"d", L"e"}));
    EXPECT_EQ(Words(LR"("ab\"c" "\\" d)"), (WordList{L"ab\"c", L"\\", L"d"}));
    EXPECT_EQ(Words(LR"(a\\\b d"e f"g h)"), (WordList{LR"(a\\\b)", L"de fg", L"h"}));
    EXPECT_EQ(Words(LR"(a\\\"b c d)"), (WordList{LR"(a\"b)", L"c", L"d"}));
    EXPECT_EQ(Words(LR"(a\\\\"b c" d e)"), (WordList{LR"(a\\b c)", L"d", L"e"}));
    EXPECT_EQ(Words(LR"(a"b"" c d)"), (WordList{L"ab\" c d"}));
    EXPECT_EQ(Words(L"\t \"\"  x\t"), (WordList{L"", L"x"}));
    EXPECT_EQ(Words(L"   "), WordList{});
    const std::wstring path = WidenUtf8(u8R"(C:\Мои файлове\quiz ☃.txt)");
    EXPECT_EQ(Words((L"\"" + path + L"\"").c_str()), WordList{path});
}

TEST(CommandLineTest, TheProgramsNameEndsAtABlankOutsideQuotes) {
    EXPECT_EQ(std::wstring(AfterProgramName(LR"("C:\Program Files\Mendo.exe"  "C:\q.txt")")), LR"("C:\q.txt")");
    EXPECT_EQ(std::wstring(AfterProgramName(LR"(C:\Games\Mendo.exe quiz.txt)")), L"quiz.txt");
    EXPECT_EQ(std::wstring(AfterProgramName(LR"(C:\Games\Mendo\"x.txt)")), L"");
    EXPECT_EQ(std::wstring(AfterProgramName(L"Mendo.exe")), L"");
    EXPECT_EQ(std::wstring(AfterProgramName(nullptr)), L"");
}

TEST(CommandLineTest, TheFirstWordNamesTheFile) {
    CWinApp& app = *AfxGetApp();
    const wchar_t* const held = app.m_lpCmdLine;
    app.m_lpCmdLine = LR"("C:\packs\first one.txt" second.txt)";
    CCommandLineInfo dropped;
    app.ParseCommandLine(dropped);
    EXPECT_EQ(dropped.m_strFileName, LR"(C:\packs\first one.txt)");

    app.m_lpCmdLine = nullptr;
    CCommandLineInfo none;
    app.ParseCommandLine(none);
    EXPECT_EQ(none.m_strFileName, L"");
    app.m_lpCmdLine = held;
}

TEST(PackFileReaderTest, AFileOnTheDiskIsReadWhole) {
    PackFolder folder;
    const std::string pack = CapitalsPack(1, 30);
    std::string bytes = "left from before";
    const std::wstring path = folder.Write(WidenUtf8(u8"въпроси ☃.txt"), pack);
    EXPECT_EQ(ReadPackFile(path.c_str(), bytes), FileFault::None);
    EXPECT_EQ(bytes, pack);
    EXPECT_EQ(ReadPackFile(folder.Write(L"empty.txt", "").c_str(), bytes), FileFault::None);
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(ReadPackFile(folder.WriteSized(L"limit.txt", static_cast<LONGLONG>(kPackSizeLimit)).c_str(), bytes),
              FileFault::None);
    EXPECT_EQ(bytes.size(), kPackSizeLimit);
}

TEST(PackFileReaderTest, WhatIsNoFileToReadIsRefusedWithItsReason) {
    PackFolder folder;
    std::string bytes = "left from before";
    EXPECT_EQ(ReadPackFile(folder.WriteSized(L"big.txt", static_cast<LONGLONG>(kPackSizeLimit) + 1).c_str(), bytes),
              FileFault::TooLarge);
    EXPECT_EQ(bytes, "");
    const std::wstring questions = folder.Folder(L"questions");
    EXPECT_EQ(ReadPackFile(questions.c_str(), bytes), FileFault::Folder);
    EXPECT_EQ(ReadPackFile((questions + L"\\").c_str(), bytes), FileFault::Folder);
    EXPECT_EQ(ReadPackFile((questions + L"\\none.txt").c_str(), bytes), FileFault::Missing);
    EXPECT_EQ(ReadPackFile((questions + L"\\none\\quiz.txt").c_str(), bytes), FileFault::Missing);
    EXPECT_EQ(ReadPackFile(L"NUL", bytes), FileFault::NotAFile);

    const std::wstring locked = folder.Write(L"locked.txt", "A pack");
    HANDLE lock = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadPackFile(locked.c_str(), bytes), FileFault::Unreadable);
    CloseHandle(lock);
    EXPECT_EQ(ReadPackFile(locked.c_str(), bytes), FileFault::None) << "once it is free again";
}

TEST(PackNoticeTest, ACleanPackIsNotTold) {
    const PackNotice notice = NoticeOfPack("quiz.txt", QuestionPack::Read(CapitalsPack(1, 30)));
    EXPECT_EQ(notice.text, "");
}

TEST(PackNoticeTest, TheProblemsAreCutAfterFifteenAndTheSummaryComesLast) {
    std::string pack = CapitalsPack(1, 30);
    for (int i = 0; i < kNoticeProblemLines + 5; ++i) {
        pack += u8"Въпрос без отговор\nA) едно\nB) две\nC) три\nD) четири\n\n";
    }
    const QuestionPack read = QuestionPack::Read(pack);
    ASSERT_EQ(read.Problems().size(), std::size_t{kNoticeProblemLines + 5});
    const PackNotice notice = NoticeOfPack(u8"въпроси.txt", read);
    std::string expected;
    for (int i = 0; i < kNoticeProblemLines; ++i) {
        expected += ProblemLine(u8"въпроси.txt", read.Problems()[static_cast<std::size_t>(i)]) + "\n";
    }
    expected += "and 5 more problems\n\n" + SummaryLine(u8"въпроси.txt", read);
    EXPECT_EQ(notice.text, expected);
    EXPECT_EQ(notice.icon, static_cast<UINT>(MB_ICONWARNING)) << "the rest plays";
}

TEST(PackNoticeTest, APackThatPlaysNoLevelIsToldWithAnError) {
    const QuestionPack read = QuestionPack::Read(CapitalsPack(1, 24));
    const PackNotice notice = NoticeOfPack("quiz.txt", read);
    EXPECT_EQ(notice.text,
              "quiz.txt: error: the pack has 24 usable questions; a game needs 25\n\n" + SummaryLine("quiz.txt", read));
    EXPECT_NE(notice.text.find(kPackRefused), std::string::npos);
    EXPECT_EQ(notice.icon, static_cast<UINT>(MB_ICONERROR));

    const PackNotice fault = NoticeOfFault("quiz.txt", FileFault::Missing);
    EXPECT_EQ(fault.text, std::string("quiz.txt: error: there is no such file\n\nquiz.txt: ") + kPackRefused);
    EXPECT_EQ(fault.icon, static_cast<UINT>(MB_ICONERROR));
}
