#include "setup/wizard/WizardPage.h"

BOOL CWizardPage::OnInitDialog() {
    TakeParentIcons();
    return TRUE;
}

void CWizardPage::EndWith(INT_PTR result) {
    UpdateData(true);
    EndDialog(result);
}
