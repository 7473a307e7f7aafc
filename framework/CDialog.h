#pragma once

#include "framework/CWnd.h"

// A dialog from a template of the program's resources, run modally.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
        : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

    // Shows the dialog and runs its messages until EndDialog; returns the result it ended with.
    virtual INT_PTR DoModal();
    void EndDialog(int nResult);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

    DECLARE_MESSAGE_MAP()

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    // Gives the message to every window object from its own window up to this dialog.
    BOOL WalkPreTranslate(MSG* pMsg);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    INT_PTR m_nModalResult = -1;
};
