#pragma once

#include "framework/CWinApp.h"

// The program: it runs the game's window and ends when the window closes.
class CTriviaApp : public CWinApp {
public:
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};

extern CTriviaApp theApp;
