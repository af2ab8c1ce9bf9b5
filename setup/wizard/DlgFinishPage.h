#pragma once
#include "setup/wizard/WizardPage.h"

#include <string>

// Page 4: the end of the wizard.
class CDlgFinishPage : public CWizardPage {
public:
    explicit CDlgFinishPage(HWND parent);
    std::string m_targetFolder;

protected:
    BOOL OnInitDialog() override;
};
