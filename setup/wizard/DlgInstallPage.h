#pragma once
#include "setup/steps/SetupThread.h"
#include "setup/wizard/WizardPage.h"

#include <string>

// Page 3: starts the installation worker and shows its progress. The page owns the worker; whoever
// runs the page must call WaitForWorker before the page goes away or runs again.
class CDlgInstallPage : public CWizardPage {
public:
    explicit CDlgInstallPage(HWND parent);
    std::string m_sourceFolder;
    std::string m_targetFolder;

    // Waits, serving the worker's messages, until its thread has ended.
    void WaitForWorker() { m_worker.WaitPumping(); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}  // Enter must not leave the page while the worker runs
    void OnCancel() override;

private:
    LRESULT OnProgress(LPARAM targetPath);
    LRESULT OnConfiguring();
    // Puts the latest status line and the steps counted since the last repaint on screen.
    void ShowProgress();

    CSetupThread m_worker;
    std::string m_status;     // latest status line, not yet shown
    int m_unshownSteps = 0;   // progress steps not yet shown
    DWORD m_lastShown = 0;    // tick of the last repaint
    bool m_flushPending = false;  // the repaint timer is set
};
