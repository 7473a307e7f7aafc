#pragma once

#include <string>

#include "engine/TriviaGame.h"
#include "framework/CBrush.h"
#include "framework/CDialog.h"
#include "framework/CFont.h"
#include "framework/CProgressCtrl.h"
#include "framework/CStatic.h"
#include "framework/CToolBar.h"

// The game's window: the engine's state and commands, shown with the dialog's controls.
class CTriviaDlg : public CDialog, public CTriviaGame {
public:
    explicit CTriviaDlg(CWnd* pParent = nullptr);

    BOOL PreTranslateMessage(MSG* pMsg) override;

    HICON m_hIcon;
    HICON m_hIconIdle = nullptr;
    HICON m_hIconHot = nullptr;
    CBrush m_brBackground;
    HACCEL m_hAccel = nullptr;
    CToolBar m_wndToolBar;
    CStatic m_ctlNumber;
    CProgressCtrl m_ctlRank;
    CStatic m_ctlMarkD;
    CStatic m_ctlMarkC;
    CStatic m_ctlMarkB;
    CStatic m_ctlMarkA;
    CStatic m_ctlQuestion;
    CString m_strTime;
    CFont m_fontQuestion;
    CFont m_fontNumber;
    // The file name of the pack that plays, which the caption shows.
    std::wstring m_strPackName;

    // The marker that shows the hot icon, 0 = none; it outlives games.
    static int s_highlighted;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnTimer(UINT_PTR nIDEvent);
    void OnHelpAbout();
    void OnClose();

    // The engine's display operations.
    void SetQuestionText(const char* text) override;
    void SetNumberLabel(const char* text) override;
    void SetRankPosition(int position) override;
    void Refresh() override;
    void ShowMessageBox(const char* text, const char* caption, BoxIcon icon) override;

    DECLARE_MESSAGE_MAP()

private:
    CStatic& Marker(int nAnswer);
    void PlaceToolBar();
};
