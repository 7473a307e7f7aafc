#include <cstring>

#include "res/resource.h"
#include "ui/AboutDlg.h"
#include "ui/TriviaDlg.h"

namespace {

const char kHintCode[] = "7485";
const char kSecretDoorCode[] = "3907";
constexpr int kCodeLength = 4;
static_assert(sizeof kHintCode == kCodeLength + 1 && sizeof kSecretDoorCode == kCodeLength + 1,
              "both codes are four characters");

const char kSureHint[] = "Сигурен съм, че е (%c)";
const char kCautiousHint[] = "Най-вероятно е (%c)";
const char kHintCaption[] = "Hello My Master";
const char kSecretDoorText[] = "Очаквам заповедите Ви!";
const char kSecretDoorCaption[] = "Тайната врата!";

constexpr UINT kSystemCommandMask = 0xFFF0;

// The letter of the right answer; with no question pending there is none to give away.
char HintLetter(const CTriviaGame& game) {
    if (game.m_nCurrent < 0 || game.m_nCurrent >= kRoundLength) {
        return '?';
    }
    return static_cast<char>(game.m_round[game.m_nCurrent].nCorrect + 64);
}

}  // namespace

void CTriviaDlg::OnHelpAbout() {
    CAboutDlg about;
    about.m_strHint.Format(kSureHint, HintLetter(*this));
    about.DoModal();
}

void CTriviaDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & kSystemCommandMask) != IDM_ABOUTBOX) {
        CDialog::OnSysCommand(nID, lParam);
        return;
    }
    CAboutDlg about;
    about.m_strHint.Format(kCautiousHint, HintLetter(*this));
    about.DoModal();
    if (about.m_strCode == kSecretDoorCode) {
        MessageBox(kSecretDoorText, kSecretDoorCaption, MB_OK);
    }
}

void CAboutDlg::OnChangeSecret() {
    m_editSecret.GetWindowText(m_strCode);
    if (m_strCode == kHintCode) {
        m_editSecret.SetWindowText("");
        MessageBox(m_strHint, kHintCaption, MB_OK);
    }
    if (m_strCode.GetLength() > kCodeLength) {
        m_editSecret.SetWindowText("");
    }
}
