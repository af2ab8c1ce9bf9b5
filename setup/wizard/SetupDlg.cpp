#include "setup/wizard/SetupDlg.h"

#include "framework/Handles.h"
#include "framework/Strings.h"
#include "setup/steps/RegistryStrings.h"
#include "setup/steps/SetupConstants.h"
#include "setup/wizard/DlgCompactPage.h"
#include "setup/wizard/DlgFinishPage.h"
#include "setup/wizard/DlgInstallPage.h"
#include "setup/wizard/DlgIntroPage.h"
#include "setup/wizard/DlgPathPage.h"
#include "setup/wizard/WizardTexts.h"
#include "setup/wizard/resource.h"

namespace {
// Pages in wizard order.
enum Page { kIntro, kAgreement, kFolder, kInstall, kFinish };
}  // namespace

CSetupDlg::CSetupDlg(HWND parent)
    : CDialog(IDD_SETUP_MAIN, parent),
      m_icon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {
    OnMessage(WM_ERASEBKGND, [this](WPARAM dc, LPARAM) { return OnEraseBackground(reinterpret_cast<HDC>(dc)); });
}

BOOL CSetupDlg::OnInitDialog() {
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_icon));
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_icon));

    const std::string program = ModuleFilePath(nullptr);
    const size_t slash = FindLastBackslash(program);
    m_sourceFolder = slash == std::string::npos ? program : program.substr(0, slash);

    if (DeclinesReinstall()) {
        PostMessageA(GetSafeHwnd(), WM_CLOSE, 0, 0);
        return FALSE;
    }

    SetWindowTextA(GetSafeHwnd(), setup::kWizardTitle);
    m_agreed = 0;
    m_targetFolder = setup::kDefaultTargetFolder;
    ShowWindow(GetSafeHwnd(), SW_SHOWMAXIMIZED);

    RunWizard();
    PostMessageA(GetSafeHwnd(), WM_CLOSE, 0, 0);
    return TRUE;
}

bool CSetupDlg::DeclinesReinstall() {
    std::string installPath;  // whatever it holds: its presence means "installed"
    if (!ReadMachineString(setup::kProductKey, setup::kInstallPathValue, installPath)) return false;
    return MessageBoxA(GetSafeHwnd(), setup::kReinstallQuestion, setup::kReinstallCaption,
                       MB_YESNO | MB_ICONQUESTION) != IDYES;
}

bool CSetupDlg::ConfirmQuit() {
    return MessageBoxA(GetSafeHwnd(), setup::kQuitQuestion, setup::kWizardTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CSetupDlg::RunWizard() {
    const HWND self = GetSafeHwnd();
    CDlgIntroPage intro(self);
    CDlgCompactPage agreement(self);
    CDlgPathPage folder(self);
    CDlgInstallPage install(self);
    CDlgFinishPage finish(self);

    int page = kIntro;
    while (page <= kFinish) {
        INT_PTR result = -1;
        switch (page) {
        case kIntro:
            result = intro.DoModal();
            break;
        case kAgreement:
            agreement.m_agreed = m_agreed;
            result = agreement.DoModal();
            m_agreed = agreement.m_agreed;
            break;
        case kFolder:
            folder.m_targetFolder = m_targetFolder;
            result = folder.DoModal();
            m_targetFolder = folder.m_targetFolder;
            break;
        case kInstall:
            install.m_sourceFolder = m_sourceFolder;
            install.m_targetFolder = m_targetFolder;
            result = install.DoModal();
            // The worker lives in the page: it must have ended before the page is run again or destroyed.
            install.WaitForWorker();
            m_sourceFolder = install.m_sourceFolder;
            break;
        default:
            finish.m_targetFolder = m_targetFolder;
            result = finish.DoModal();
            break;
        }
        switch (result) {
        case IDCANCEL:
            if (ConfirmQuit()) return;
            break;
        case ID_WIZBACK:
            if (page > kIntro) --page;
            break;
        case ID_WIZNEXT:
            ++page;
            break;
        case ID_WIZFINISH:
            return;
        case -1:  // the page could not be created: running it again would loop for ever
            return;
        default:
            break;
        }
    }
}

LRESULT CSetupDlg::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(GetSafeHwnd(), &client);
    UniqueGdiObject brush(CreateSolidBrush(setup::kBackgroundColour));
    FillRect(dc, &client, static_cast<HBRUSH>(brush.Get()));
    return 1;
}
