#include "setup/wizard/DlgPathPage.h"

#include "framework/Strings.h"
#include "setup/wizard/resource.h"

CDlgPathPage::CDlgPathPage(HWND parent) : CWizardPage(IDD_PATH_PAGE, parent) {
    OnCommandId(IDC_BACK, [this] { EndWith(ID_WIZBACK); });
    OnCommandId(IDC_NEXT, [this] { OnNext(); });
}

BOOL CDlgPathPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetItemText(IDC_TARGET_FOLDER, m_targetFolder);
    return TRUE;
}

void CDlgPathPage::OnNext() {
    m_targetFolder = ItemText(IDC_TARGET_FOLDER);
    if (!m_targetFolder.empty() && FindLastBackslash(m_targetFolder) != std::string::npos) {
        EndWith(ID_WIZNEXT);
        return;
    }
    // Not a folder path: the user corrects it in place.
    HWND edit = Item(IDC_TARGET_FOLDER);
    SetFocus(edit);
    SendMessageA(edit, EM_SETSEL, 0, -1);
    SendMessageA(edit, EM_SCROLLCARET, 0, 0);
}
