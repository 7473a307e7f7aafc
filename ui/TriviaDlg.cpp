#include "ui/TriviaDlg.h"

#include "framework/CDataExchange.h"
#include "framework/CPaintDC.h"
#include "framework/CWinApp.h"
#include "framework/Cp1251.h"
#include "res/WindowTexts.h"
#include "res/resource.h"
#include "ui/MainWindowLook.h"

BEGIN_MESSAGE_MAP(CTriviaDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_WM_CTLCOLOR()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_TIMER()
    ON_COMMAND(ID_GAME_EASY, &CTriviaDlg::OnGameEasy)
    ON_COMMAND(ID_GAME_HARD, &CTriviaDlg::OnGameHard)
    ON_COMMAND(ID_HELP_ABOUT, &CTriviaDlg::OnHelpAbout)
    ON_COMMAND(ID_GAME_LOGIC, &CTriviaDlg::OnGameLogic)
    ON_COMMAND(ID_HINT_REMOVE, &CTriviaDlg::OnHintRemove)
    ON_COMMAND(ID_HINT_REVEAL, &CTriviaDlg::OnHintReveal)
    ON_WM_CLOSE()
    ON_COMMAND(IDC_LETTER_C, &CTriviaDlg::OnAnswerC)
    ON_COMMAND(IDC_LETTER_A, &CTriviaDlg::OnAnswerA)
    ON_COMMAND(IDC_LETTER_B, &CTriviaDlg::OnAnswerB)
    ON_COMMAND(IDC_LETTER_D, &CTriviaDlg::OnAnswerD)
END_MESSAGE_MAP()

CTriviaDlg::CTriviaDlg(CWnd* pParent)
    : CDialog(IDD_TRIVIA_DIALOG, pParent),
      m_hIcon(LoadIconW(AfxGetInstanceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

void CTriviaDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NUMBER, m_ctlNumber);
    DDX_Control(pDX, IDC_RANK, m_ctlRank);
    DDX_Control(pDX, IDC_MARK_D, m_ctlMarkD);
    DDX_Control(pDX, IDC_MARK_C, m_ctlMarkC);
    DDX_Control(pDX, IDC_MARK_B, m_ctlMarkB);
    DDX_Control(pDX, IDC_MARK_A, m_ctlMarkA);
    DDX_Control(pDX, IDC_QUESTION, m_ctlQuestion);
    DDX_Text(pDX, IDC_ANSWER_A, m_strAnswer[0]);
    DDX_Text(pDX, IDC_ANSWER_B, m_strAnswer[1]);
    DDX_Text(pDX, IDC_ANSWER_C, m_strAnswer[2]);
    DDX_Text(pDX, IDC_ANSWER_D, m_strAnswer[3]);
    DDX_Text(pDX, IDC_SCORE, m_strScore);
    DDX_Text(pDX, IDC_TIME, m_strTime);
}

BOOL CTriviaDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    // The system menu keeps Move, Minimize and Close, and gains the About entry.
    HINSTANCE instance = AfxGetInstanceHandle();
    const CString about = LoadResourceString(IDS_ABOUTBOX);
    CMenu* systemMenu = GetSystemMenu(FALSE);
    if (systemMenu != nullptr && !about.IsEmpty()) {
        systemMenu->AppendMenu(MF_SEPARATOR);
        systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, about);
        for (UINT position : kRemovedSystemMenuPositions) {
            systemMenu->RemoveMenu(position, MF_BYPOSITION);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    // With a pack the caption names it, as a window names the document it shows.
    if (Pack() != nullptr) {
        const std::wstring caption = m_strPackName + Widen(MENDO_PACK_TITLE_SEPARATOR MENDO_TITLE).c_str();
        SetWindowTextW(m_hWnd, caption.c_str());
    }

    m_hAccel = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS));

    m_wndToolBar.CreateEx(this, kToolBarControlStyle, kToolBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR);
    m_wndToolBar.LoadToolBar(IDR_HINT_TOOLBAR);
    RepositionBars(AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST, 0);
    PlaceToolBar();

    SetTimer(kClockTimer, kClockPeriodMs, nullptr);

    m_ctlRank.SetRange(kRankMinimum, kRankMaximum);

    m_hIconIdle = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MARK_IDLE));
    m_hIconHot = LoadIconW(instance, MAKEINTRESOURCEW(IDI_MARK_HOT));

    LOGFONTA font{};
    font.lfHeight = kFontHeight;
    font.lfEscapement = 0;
    font.lfWeight = kBold;
    font.lfItalic = TRUE;
    font.lfUnderline = TRUE;
    font.lfStrikeOut = FALSE;
    font.lfCharSet = kCyrillic;
    lstrcpyA(font.lfFaceName, kQuestionFace);
    m_fontQuestion.CreateFontIndirect(&font);
    m_ctlQuestion.SetFont(&m_fontQuestion, FALSE);
    font.lfUnderline = FALSE;
    m_fontNumber.CreateFontIndirect(&font);
    m_ctlNumber.SetFont(&m_fontNumber, FALSE);

    ShowStartScreen();

    m_brBackground.CreateSolidBrush(kBackground);

    m_nLevel = kNoGame;
    m_nScore = 0;
    m_nHover = 0;
    m_nCurrent = kNoQuestion;
    m_nRevealLeft = kHelpUses;
    m_nRemoveLeft = kHelpUses;
    return TRUE;
}

void CTriviaDlg::PlaceToolBar() {
    CRect toolBar;
    m_wndToolBar.GetWindowRect(&toolBar);
    CRect baseUnits(0, 0, 4, 8);
    MapDialogRect(m_hWnd, &baseUnits);
    const int x = MulDiv(kToolBarSpot.x, baseUnits.Width(), kStandardBaseX);
    const int y = MulDiv(kToolBarSpot.y, baseUnits.Height(), kStandardBaseY);
    m_wndToolBar.SetWindowPos(&wndBottom, x, y, toolBar.Width(), toolBar.Height(), SWP_NOACTIVATE);
}

void CTriviaDlg::OnTimer(UINT_PTR nIDEvent) {
    char clock[kClockSize] = "";
    GetTimeFormatA(LOCALE_SYSTEM_DEFAULT, 0, nullptr, kClockFormat, clock, kClockSize);
    m_strTime = clock;
    UpdateData(FALSE);
    CDialog::OnTimer(nIDEvent);
}

HBRUSH CTriviaDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (nCtlColor != CTLCOLOR_DLG && nCtlColor != CTLCOLOR_STATIC) {
        return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    pDC->SetTextColor(kTextColour);
    pDC->SetBkMode(TRANSPARENT);
    return m_brBackground;
}

void CTriviaDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    CRect client;
    GetClientRect(&client);
    const int x = (client.Width() - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.Height() - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CTriviaDlg::OnQueryDragIcon() {
    return m_hIcon;
}

// Enter and Esc do nothing: the window closes only through WM_CLOSE.
void CTriviaDlg::OnOK() {}
void CTriviaDlg::OnCancel() {}

void CTriviaDlg::OnClose() {
    CDialog::OnCancel();
}

void CTriviaDlg::SetQuestionText(const char* text) {
    m_ctlQuestion.SetWindowText(text);
}

void CTriviaDlg::SetNumberLabel(const char* text) {
    m_ctlNumber.SetWindowText(text);
}

void CTriviaDlg::SetRankPosition(int position) {
    m_ctlRank.SetPos(position);
}

void CTriviaDlg::Refresh() {
    UpdateData(FALSE);
}

void CTriviaDlg::ShowMessageBox(const char* text, const char* caption, BoxIcon icon) {
    MessageBox(text, caption, MB_OK | (icon == BoxIcon::Stop ? MB_ICONHAND : 0));
}
