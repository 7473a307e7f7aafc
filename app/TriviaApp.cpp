#include "app/TriviaApp.h"

#include "res/resource.h"
#include "ui/TriviaDlg.h"

CTriviaApp theApp;

BEGIN_MESSAGE_MAP(CTriviaApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CTriviaApp::InitInstance() {
    CTriviaDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    return FALSE;
}
