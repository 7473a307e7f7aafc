#include "about/HintCodes.h"
#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/TriviaDlg.h"

namespace {

constexpr UINT kSystemCommandMask = 0xFFF0;

}  // namespace

void CTriviaDlg::OnHelpAbout() {
    CAboutDlg about;
    about.m_strHint = HintSentence(*this, AboutOpener::Menu);
    about.DoModal();
}

void CTriviaDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & kSystemCommandMask) != IDM_ABOUTBOX) {
        CDialog::OnSysCommand(nID, lParam);
        return;
    }
    CAboutDlg about;
    about.m_strHint = HintSentence(*this, AboutOpener::WindowMenu);
    about.DoModal();
    if (OpensSecretDoor(AboutOpener::WindowMenu, about.m_strCode)) {
        MessageBox(kSecretDoorText, kSecretDoorCaption, MB_OK);
    }
}

void CAboutDlg::OnChangeSecret() {
    m_editSecret.GetWindowText(m_strCode);
    switch (JudgeTypedCode(m_strCode)) {
        case CodeVerdict::ShowHint:
            m_editSecret.SetWindowText("");
            MessageBox(m_strHint, kHintCaption, MB_OK);
            break;
        case CodeVerdict::Clear: m_editSecret.SetWindowText(""); break;
        case CodeVerdict::Keep: break;
    }
}
