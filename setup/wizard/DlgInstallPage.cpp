#include "setup/wizard/DlgInstallPage.h"

#include "framework/App.h"
#include "framework/Strings.h"
#include "setup/steps/FileListing.h"
#include "setup/steps/SetupMessages.h"
#include "setup/wizard/WizardTexts.h"
#include "setup/wizard/resource.h"

#include <commctrl.h>

CDlgInstallPage::CDlgInstallPage(HWND parent) : CWizardPage(IDD_INSTALL_PAGE, parent) {
    OnCommandId(IDC_NEXT, [this] { EndDialog(ID_WIZNEXT); });
    OnMessage(UWM_SETUP_PROGRESS, [this](WPARAM, LPARAM target) { return OnProgress(target); });
    OnMessage(UWM_SETUP_CONFIGURING, [this](WPARAM, LPARAM) { return OnConfiguring(); });
    OnMessage(UWM_SETUP_DONE, [this](WPARAM, LPARAM) -> LRESULT {
        EnableItem(IDC_NEXT, true);
        EndDialog(ID_WIZNEXT);
        return 1;
    });
    OnMessage(WM_TIMER, [this](WPARAM timer, LPARAM) -> LRESULT {
        if (timer == setup::kProgressTimerId) ShowProgress();
        return 0;
    });
    OnMessage(UWM_SETUP_ABORTED, [this](WPARAM, LPARAM) -> LRESULT {
        EndDialog(ID_WIZFINISH);
        return 1;
    });
}

BOOL CDlgInstallPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    EnableItem(IDC_NEXT, false);
    m_sourceFolder = WithBackslash(Trim(m_sourceFolder));
    m_targetFolder = WithBackslash(Trim(m_targetFolder));

    // A 32-bit range: a medium of more than 65,520 files would wrap a 16-bit one.
    const int files = CountSourceFiles(m_sourceFolder);
    SendMessageA(Item(IDC_PROGRESS), PBM_SETRANGE32, 0, files + setup::kProgressMargin);
    SendMessageA(Item(IDC_PROGRESS), PBM_SETSTEP, 1, 0);

    if (!m_worker.IsRunning()) {  // never a second worker on the same object
        m_worker.SetFolders(m_sourceFolder, m_targetFolder);
        m_worker.SetMainWindow(GetSafeHwnd());
        m_worker.CreateThread();
    }
    return TRUE;
}

void CDlgInstallPage::OnCancel() {
    // Escape still arrives once the configuration has disabled the cancel button: nothing can be undone then.
    if (!IsWindowEnabled(Item(IDCANCEL))) return;
    const std::string question = LoadResourceString(GetModuleHandleA(nullptr), IDS_CANCEL_QUESTION);
    if (MessageBoxA(GetSafeHwnd(), question.c_str(), ApplicationName().c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    m_worker.RequestStop();
    EndDialog(ID_WIZFINISH);
}

// Each entry steps the bar and names the file, but the screen is repainted at most every few
// milliseconds: painting ten thousand status lines would cost more than copying the files.
LRESULT CDlgInstallPage::OnProgress(LPARAM targetPath) {
    m_status = FormatText(setup::kCopyStatusFormat, reinterpret_cast<const char*>(targetPath));
    ++m_unshownSteps;
    if (GetTickCount() - m_lastShown >= setup::kProgressRepaintMs) {
        ShowProgress();
    } else if (!m_flushPending) {
        m_flushPending = SetTimer(GetSafeHwnd(), setup::kProgressTimerId, setup::kProgressRepaintMs, nullptr) != 0;
    }
    return 1;
}

void CDlgInstallPage::ShowProgress() {
    if (m_flushPending) KillTimer(GetSafeHwnd(), setup::kProgressTimerId);
    m_flushPending = false;
    if (m_unshownSteps == 0) return;
    SetItemText(IDC_STATUS, m_status);
    SendMessageA(Item(IDC_PROGRESS), PBM_DELTAPOS, static_cast<WPARAM>(m_unshownSteps), 0);
    m_unshownSteps = 0;
    m_lastShown = GetTickCount();
}

LRESULT CDlgInstallPage::OnConfiguring() {
    ShowProgress();
    SetItemText(IDC_STATUS, "");
    ShowItem(IDC_PROGRESS, false);
    ShowItem(IDC_COPY_GROUP, false);
    ShowItem(IDC_CONFIGURING, true);
    EnableItem(IDCANCEL, false);
    return 1;
}
