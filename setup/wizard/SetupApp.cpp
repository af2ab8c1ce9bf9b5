#include "setup/wizard/SetupApp.h"

#include "framework/Handles.h"
#include "setup/wizard/SetupDlg.h"

#include <commctrl.h>

namespace {
CSetupApp theApp;
}

bool CSetupApp::InitInstance() {
    ScopedOleInit ole;  // shell and picture services of the pages run on this thread
    INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    CSetupDlg wizard(nullptr);
    wizard.DoModal();
    return false;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) { return CWinApp::Current()->Start(instance); }
