#pragma once
#include "setup/wizard/WizardPage.h"

#include <string>

// Page 2: the target folder. Only next takes over what was typed; back leaves the folder as it was.
class CDlgPathPage : public CWizardPage {
public:
    explicit CDlgPathPage(HWND parent);
    std::string m_targetFolder;

protected:
    BOOL OnInitDialog() override;

private:
    void OnNext();
};
