#pragma once
// The main window: a full-screen backdrop that runs the wizard's pages from its initialisation.
#include "framework/Dialog.h"

#include <string>

class CSetupDlg : public CDialog {
public:
    explicit CSetupDlg(HWND parent = nullptr);

protected:
    BOOL OnInitDialog() override;

private:
    // True when "installPath" exists and the user does not want to reinstall.
    bool DeclinesReinstall();
    void RunWizard();
    // The quit question after a cancelled page; true to leave the wizard.
    bool ConfirmQuit();
    LRESULT OnEraseBackground(HDC dc);

    int m_agreed = 0;
    std::string m_sourceFolder;  // without a trailing backslash
    std::string m_targetFolder;
    HICON m_icon;
};
