#include "setup/steps/SetupThread.h"

#include "framework/App.h"
#include "framework/TextFile.h"
#include "setup/steps/Paths.h"
#include "setup/steps/SetupConstants.h"
#include "setup/steps/SetupMessages.h"

namespace {

// Root code of a "RegDB Key: " line; every root other than the four named ones is code "4".
const char* RootCode(HKEY root) {
    if (root == HKEY_CLASSES_ROOT) return "0";
    if (root == HKEY_CURRENT_USER) return "1";
    if (root == HKEY_LOCAL_MACHINE) return "2";
    if (root == HKEY_USERS) return "3";
    return "4";
}

}  // namespace

CSetupThread::CSetupThread() : m_caption(ApplicationName()) {}

void CSetupThread::SetFolders(const std::string& sourceFolder, const std::string& targetFolder) {
    m_source = sourceFolder;
    m_target = targetFolder;
}

void CSetupThread::LogFileCopy(const std::string& path) { m_log += setup::kLogFileCopy + path + '\n'; }
void CSetupThread::LogMadeDir(const std::string& path) { m_log += setup::kLogMadeDir + path + '\n'; }
void CSetupThread::LogRegCtrl(const std::string& path) { m_log += setup::kLogRegCtrl + path + '\n'; }

void CSetupThread::LogRegKey(HKEY root, const std::string& keyPath) {
    m_log += setup::kLogRegKey;
    m_log += RootCode(root);
    m_log += ',' + keyPath + '\n';
}

bool CSetupThread::WriteInstallLog() {
    const std::string path = JoinPath(m_target, setup::kInstallLogName);
    LogFileCopy(path);
    // A hidden file cannot be re-created in place: the old log goes first.
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) DeleteFileA(path.c_str());
    try {
        CTextFile file(path);
        file.WriteText(m_log);
        file.Close();
        SetFileAttributesOrThrow(path, FILE_ATTRIBUTE_HIDDEN);
    } catch (const CFileException& error) {
        error.ReportError(Prompt(), m_caption);
        return false;
    }
    return true;
}

CUserPrompt& CSetupThread::Prompt() {
    if (m_prompt) return *m_prompt;
    m_messageBoxPrompt.SetOwner(MainWindow());
    return m_messageBoxPrompt;
}

int CSetupThread::Ask(const std::string& text, UINT type) { return Prompt().Ask(text, m_caption, type); }

void CSetupThread::Notify(UINT message, WPARAM wParam, LPARAM lParam) {
    SendMessageA(MainWindow(), message, wParam, lParam);
}

void CSetupThread::Announce(UINT message) { PostMessageA(MainWindow(), message, 0, 0); }

bool CSetupThread::CopyProductFolders() {
    for (const char* name : setup::kProductFolders)
        if (!CopyTree(m_source + name, m_target + name)) return false;
    return true;
}

int CSetupThread::FinishRun() {
    PostQuitToOwnThread();
    return CWinThread::Run();
}

int CSetupThread::Run() {
    if (!CopyProductFolders()) {
        Announce(UWM_SETUP_ABORTED);
        return FinishRun();
    }
    CopyRootFiles();
    // From here every step runs to its end whatever happens; each handles its own failures.
    RegisterControls();
    WriteRegistry();
    CreateShortcuts();
    WriteInstallLog();
    Notify(UWM_SETUP_CONFIGURING);
    Announce(UWM_SETUP_DONE);
    return FinishRun();
}
