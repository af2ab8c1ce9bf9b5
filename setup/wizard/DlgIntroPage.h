#pragma once
#include "setup/wizard/WizardPage.h"

// Page 0: welcome; next or cancel.
class CDlgIntroPage : public CWizardPage {
public:
    explicit CDlgIntroPage(HWND parent);
};
