#pragma once

#include "framework/CString.h"

class CWnd;

// One exchange of a dialog's bound controls and texts; the game only writes to the screen.
class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, int bSaveAndValidate) : m_pDlgWnd(pDlgWnd), m_bSaveAndValidate(bSaveAndValidate) {}

    CWnd* m_pDlgWnd;
    int m_bSaveAndValidate;
};

// Binds the control with the id to the object, once.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);
// Shows the text in the control with the id; a text already shown is not sent again.
void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
