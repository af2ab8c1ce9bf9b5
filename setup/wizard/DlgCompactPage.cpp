#include "setup/wizard/DlgCompactPage.h"

#include "setup/wizard/WizardTexts.h"
#include "setup/wizard/resource.h"

CDlgCompactPage::CDlgCompactPage(HWND parent) : CWizardPage(IDD_COMPACT_PAGE, parent) {
    OnCommandId(IDC_AGREE, [this] { OnAgreeClicked(); });
    OnCommandId(IDC_DISAGREE, [this] { OnDisagreeClicked(); });
    OnCommandId(IDC_BACK, [this] { EndWith(ID_WIZBACK); });
    OnCommandId(IDC_NEXT, [this] { EndWith(ID_WIZNEXT); });
}

BOOL CDlgCompactPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetItemText(IDC_LICENCE, setup::kLicenceText);
    ShowChoice(m_agreed == 1);
    return TRUE;
}

void CDlgCompactPage::ShowChoice(bool agreed) {
    SetChecked(IDC_AGREE, agreed);
    SetChecked(IDC_DISAGREE, !agreed);
    EnableItem(IDC_NEXT, agreed);
    m_agreed = agreed ? 1 : 0;
}

void CDlgCompactPage::OnAgreeClicked() { ShowChoice(IsChecked(IDC_AGREE)); }

void CDlgCompactPage::OnDisagreeClicked() { ShowChoice(!IsChecked(IDC_DISAGREE)); }
