#include "app/TriviaApp.h"

#include <string>

#include "app/PackFileReader.h"
#include "app/PackNotice.h"
#include "framework/AfxMessageBox.h"
#include "framework/CCommandLineInfo.h"
#include "framework/Utf8.h"
#include "res/resource.h"
#include "ui/TriviaDlg.h"

CTriviaApp theApp;

BEGIN_MESSAGE_MAP(CTriviaApp, CWinApp)
    ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

namespace {

// Reads the pack, tells in one box what is wrong with it, and gives the window what can play.
void OpenPack(const std::wstring& path, QuestionPack& pack, CTriviaDlg& dlg) {
    const wchar_t* name = FileNameOfPath(path.c_str());
    const std::string shownName = Utf8(name);
    PackNotice notice;
    {
        std::string bytes;
        const FileFault fault = ReadPackFile(path.c_str(), bytes);
        if (fault != FileFault::None) {
            notice = NoticeOfFault(shownName, fault);
        } else {
            pack = QuestionPack::Read(bytes);
            notice = NoticeOfPack(shownName, pack);
        }
    }
    if (pack.PlaysAnyLevel()) {
        dlg.PlayPack(&pack);
        dlg.m_strPackName = name;
    }
    if (!notice.text.empty()) {
        AfxMessageBox(WidenUtf8(notice.text).c_str(), MB_OK | notice.icon);
    }
}

}  // namespace

BOOL CTriviaApp::InitInstance() {
    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    QuestionPack pack;  // the window plays from it while it shows
    CTriviaDlg dlg;
    m_pMainWnd = &dlg;
    if (!cmdInfo.m_strFileName.empty()) {
        OpenPack(cmdInfo.m_strFileName, pack, dlg);
    }
    dlg.DoModal();
    return FALSE;
}
