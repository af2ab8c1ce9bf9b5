#pragma once
// The installation worker. The install page fills in the folders, makes itself the main window (all
// messages and questions go to it) and starts the thread; Run performs the installation step by step.
// The steps are members spread over several files by concern: the copy steps in SetupThreadCopy.cpp,
// Run and the log in SetupThread.cpp; the system configuration steps (controls, registry, shortcuts)
// belong in SetupThreadConfigure.cpp and run in Run between CopyRootFiles and WriteInstallLog.
#include "framework/UserPrompt.h"
#include "framework/WorkerThread.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

class CSetupThread : public CWinThread {
public:
    CSetupThread();

    // Set by the user-interface thread on a confirmed cancel; read by the worker after each tree entry.
    void RequestStop() { m_stop.store(1, std::memory_order_relaxed); }
    bool StopRequested() const { return m_stop.load(std::memory_order_relaxed) != 0; }

    // Folders, each with a trailing backslash; written before the thread starts, only read afterwards.
    void SetFolders(const std::string& sourceFolder, const std::string& targetFolder);
    const std::string& SourceFolder() const { return m_source; }
    const std::string& TargetFolder() const { return m_target; }

    // Where the steps' questions go; by default a message box owned by the main window.
    void SetPrompt(CUserPrompt* prompt) { m_prompt = prompt; }
    // Caption of the steps' questions: the application's name.
    void SetCaption(const std::string& caption) { m_caption = caption; }

    const std::string& LogText() const { return m_log; }

    // Log line builders: each appends one line of the install log.
    void LogFileCopy(const std::string& path);
    void LogMadeDir(const std::string& path);
    void LogRegCtrl(const std::string& path);
    void LogRegKey(HKEY root, const std::string& keyPath);

    // Copying and folder creation.
    bool CopyTree(const std::string& sourcePath, const std::string& targetPath);
    bool MakeFolderPath(const std::string& path);
    void CopyRootFiles();

    // System configuration: control registration, registry records with the host profiles, shortcuts.
    void RegisterControls();
    void WriteRegistry();
    // False when no shell folders were found (then nothing is created or logged).
    bool CreateShortcuts();

    // Writes "Uninstall.log" (listing itself last) into the target folder; false after a file error.
    bool WriteInstallLog();

    int Run() override;

protected:
    // The prompt in use: the one set, or a message box owned by the main window.
    CUserPrompt& Prompt();
    // Asks through the prompt, with the application's name as caption.
    int Ask(const std::string& text, UINT type);
    // Sends a message to the main window and waits until it has been handled.
    void Notify(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
    // Posts a message to the main window.
    void Announce(UINT message);

private:
    // Copies the product folders; false when the installation must end.
    bool CopyProductFolders();
    // Ends Run the way the base class does once WM_QUIT is queued.
    int FinishRun();

    std::atomic<std::int32_t> m_stop{0};
    std::string m_log;
    std::string m_source;
    std::string m_target;
    CMessageBoxPrompt m_messageBoxPrompt;
    CUserPrompt* m_prompt = nullptr;
    std::string m_caption;
};
