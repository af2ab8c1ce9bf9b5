#include "setup/wizard/DlgFinishPage.h"

#include "setup/wizard/resource.h"

CDlgFinishPage::CDlgFinishPage(HWND parent) : CWizardPage(IDD_FINISH_PAGE, parent) {
    OnCommandId(IDC_NEXT, [this] { EndWith(ID_WIZFINISH); });
}

BOOL CDlgFinishPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetChecked(IDC_README, true);
    return TRUE;
}
