#pragma once
#include "framework/App.h"

// The Setup program: runs the wizard's main window and ends when it closes.
class CSetupApp : public CWinApp {
protected:
    bool InitInstance() override;
};
