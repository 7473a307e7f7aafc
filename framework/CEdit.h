#pragma once

#include "framework/CWnd.h"

// An edit control; the About box reads what is typed into its hidden one.
class CEdit : public CWnd {};
