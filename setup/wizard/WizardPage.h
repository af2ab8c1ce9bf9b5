#pragma once
// Common ground of the five wizard pages: the parent's icons, and back/next/finish endings.
#include "framework/Dialog.h"

class CWizardPage : public CDialog {
public:
    CWizardPage(UINT templateId, HWND parent) : CDialog(templateId, parent) {}

protected:
    BOOL OnInitDialog() override;
    // Exchanges data, then ends the page with the result (ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH).
    void EndWith(INT_PTR result);
};
