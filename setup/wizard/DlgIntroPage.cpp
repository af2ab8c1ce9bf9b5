#include "setup/wizard/DlgIntroPage.h"

#include "setup/wizard/resource.h"

CDlgIntroPage::CDlgIntroPage(HWND parent) : CWizardPage(IDD_INTRO_PAGE, parent) {
    OnCommandId(IDC_NEXT, [this] { EndWith(ID_WIZNEXT); });
}
