#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "GameWindow.h"
#include "MendoProgram.h"
#include "PackFiles.h"
#include "PlayerInput.h"
#include "bench/startup/ProcessProbe.h"
#include "framework/Utf8.h"
#include "packs/PackFile.h"
#include "packs/PackReport.h"
#include "questions/QuestionPool.h"
#include "res/resource.h"

namespace {

const int kAnswerIds[kAnswerCount] = {IDC_ANSWER_A, IDC_ANSWER_B, IDC_ANSWER_C, IDC_ANSWER_D};

// The path as Explorer hands it to the program: in quotes.
std::wstring Quoted(const std::wstring& path) {
    return L"\"" + path + L"\"";
}

// Starts an Easy game in the program's window and waits for question 1.
void StartEasy(HWND window) {
    PostMessageW(window, WM_COMMAND, ID_GAME_EASY, 0);
    WaitUntil([&] { return TextOf(GetDlgItem(window, IDC_NUMBER)) == L"1."; });
}

bool IsEasyPoolQuestion(const std::wstring& shown) {
    for (std::size_t i = 0; i < kEasyCount; ++i) {
        const std::wstring question = Wide(g_easyPool.szQuestion[i]);
        if (shown == question || shown == question + L"?") {
            return true;
        }
    }
    return false;
}

// The box comes first and tells why; then the window opens under its own name with the game's
// own questions.
void ExpectRefusedAndOwnQuestionsPlay(const std::wstring& path, const std::wstring& told) {
    MendoProgram game(Quoted(path));
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    EXPECT_EQ(box.caption, L"Mendo");
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(box.text, told);
    PostMessageW(box.hWnd, WM_COMMAND, IDOK, 0);
    HWND window = game.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(TextOf(window), L"Velt's Mendo");
    StartEasy(window);
    EXPECT_TRUE(IsEasyPoolQuestion(TextOf(GetDlgItem(window, IDC_QUESTION))));
}

}  // namespace

TEST(PackProgramTest, AFileOnTheCommandLinePlaysAndTheCaptionNamesIt) {
    PackFolder folder;
    const std::wstring name = WidenUtf8(u8"Моите въпроси ☃.txt");
    const std::wstring path = folder.Write(name, CapitalsPack(1, 30));
    MendoProgram game(Quoted(path));
    HWND window = game.Window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(game.WaitForBox(std::chrono::milliseconds(0)).hWnd, nullptr) << "a pack that reads clean shows no box";
    EXPECT_EQ(TextOf(window), name + L" - Velt's Mendo");
    const std::set<std::wstring> dlls = game.Dlls();
    for (const wchar_t* dll : kShellDlls) {
        EXPECT_EQ(dlls.count(dll), 0u) << dll << " is loaded to read the pack";
    }

    StartEasy(window);
    const std::wstring question = TextOf(GetDlgItem(window, IDC_QUESTION));
    const std::wstring stem = WidenUtf8(u8"Столицата на държава номер ");
    ASSERT_EQ(question.compare(0, stem.size(), stem), 0) << "question 1 is the pack's";
    const int n = std::stoi(question.substr(stem.size()));
    // The window sets the answers after the question's number: they may still be on their way.
    int right = 0;
    WaitUntil([&] {
        for (int k = 1; k <= kAnswerCount; ++k) {
            if (TextOf(GetDlgItem(window, kAnswerIds[k - 1])) == WidenUtf8(CapitalAnswer(n))) {
                right = k;
            }
        }
        return right != 0;
    });
    ASSERT_NE(right, 0) << "the pack's right answer shows";

    PostMessageW(window, WM_COMMAND, ID_HELP_ABOUT, 0);
    HWND about = game.WaitForWindow(IDC_SECRET);
    ASSERT_NE(about, nullptr);
    SetForegroundWindow(about);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == about; }));
    for (wchar_t key : std::wstring(L"7485")) {
        PressKey(static_cast<WORD>(key));
    }
    const SeenBox hint = game.WaitForBox();
    ASSERT_NE(hint.hWnd, nullptr);
    EXPECT_EQ(hint.text, Wide("Сигурен съм, че е (") + static_cast<wchar_t>(L'A' + right - 1) + L")");
    PostMessageW(hint.hWnd, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(hint.hWnd); }));
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(about); }));
}

TEST(PackProgramTest, ProblemsAreToldInOneBoxBeforeTheWindowOpens) {
    PackFolder folder;
    const std::string tooLong = u8"Въпрос, който е много по-дълъг, отколкото играта може да покаже";
    const std::string pack = CapitalsPack(1, 30) + tooLong + u8"\nA) да\nB) не\nC) може би\nD) никога\nANSWER: A\n\n" +
                             u8"Кой отговор\nA) едно\nB) едно\nC) две\nD) три\nANSWER: C\n";
    const std::wstring path = folder.Write(L"quiz.txt", pack);
    MendoProgram game(Quoted(path));
    const SeenBox box = game.WaitForBox();
    ASSERT_NE(box.hWnd, nullptr);
    DWORD processId = 0;
    GetWindowThreadProcessId(box.hWnd, &processId);
    EXPECT_EQ(ShownWindowOf(processId, IDC_QUESTION), nullptr) << "the window waits for the box";
    EXPECT_EQ(box.caption, L"Mendo");
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(box.text,
              L"quiz.txt:211:59: error: the question is 63 characters long; the game shows at most 58 before its "
              L"question mark\n"
              L"quiz.txt:220:4: error: answers A and B are the same; the four answers must differ\n"
              L"\n"
              L"quiz.txt: Aiken, UTF-8; 32 questions, 2 left out; 30 usable for every level");
    PostMessageW(box.hWnd, WM_COMMAND, IDOK, 0);
    HWND window = game.Window();
    ASSERT_NE(window, nullptr) << "the window opens once the box is closed";
    EXPECT_EQ(TextOf(window), L"quiz.txt - Velt's Mendo");
}

TEST(PackProgramTest, AFileThatCannotBeReadIsToldAndTheGameItsOwnQuestionsPlay) {
    PackFolder folder;
    const std::wstring locked = folder.Write(L"locked.txt", CapitalsPack(1, 30));
    HANDLE lock = CreateFileW(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    const struct {
        std::wstring path;
        std::wstring name;
        FileFault fault;
    } files[] = {
        {folder.Folder(L"empty") + L"\\none.txt", L"none.txt", FileFault::Missing},
        {folder.Folder(L"questions.txt"), L"questions.txt", FileFault::Folder},
        {locked, L"locked.txt", FileFault::Unreadable},
        {folder.WriteSized(L"big.txt", static_cast<LONGLONG>(kPackSizeLimit) + 1), L"big.txt", FileFault::TooLarge},
    };
    for (const auto& file : files) {
        SCOPED_TRACE(Utf8(file.name.c_str()));
        ExpectRefusedAndOwnQuestionsPlay(file.path, file.name + L": error: " +
                                                        WidenUtf8(FileFaultSentence(file.fault)) + L"\n\n" + file.name +
                                                        L": " + WidenUtf8(kPackRefused));
    }
    CloseHandle(lock);
}

TEST(PackProgramTest, APackThatCanPlayNoLevelIsRefusedAndTheGameItsOwnQuestionsPlay) {
    PackFolder folder;
    ExpectRefusedAndOwnQuestionsPlay(
        folder.Write(L"few.txt", CapitalsPack(1, 24)),
        L"few.txt: error: the pack has 24 usable questions; a game needs 25\n\n"
        L"few.txt: Aiken, UTF-8; 24 questions, all usable; 24 usable for every level, too few for a game; " +
            WidenUtf8(kPackRefused));
}
