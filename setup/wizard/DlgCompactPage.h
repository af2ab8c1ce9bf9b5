#pragma once
#include "setup/wizard/WizardPage.h"

// Page 1: the licence agreement; next is possible only while "同意" is chosen.
class CDlgCompactPage : public CWizardPage {
public:
    explicit CDlgCompactPage(HWND parent);
    int m_agreed = 0;  // 1 while the agree choice is selected

protected:
    BOOL OnInitDialog() override;

private:
    void ShowChoice(bool agreed);
    void OnAgreeClicked();
    void OnDisagreeClicked();
};
