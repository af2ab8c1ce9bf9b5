#include "SetupSession.h"

#include "framework/Strings.h"
#include "tools/driver/Driver.h"

#include <vector>

std::string BuiltSetupPath() {
    const std::string self = ModuleFilePath(nullptr);
    const std::string folder = self.substr(0, FindLastBackslash(self));  // ...\setup\e2e
    return folder.substr(0, FindLastBackslash(folder)) + "\\Setup.exe";
}

namespace {

// Starts a program; a quiet one writes its console output to NUL.
UniqueHandle StartProcess(const std::string& commandLine, const std::string& folder, DWORD& processId,
                          bool quiet = false) {
    std::vector<char> command(commandLine.begin(), commandLine.end());
    command.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    UniqueFile nul;
    if (quiet) {
        nul.Reset(CreateFileA("NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inheritable,
                              OPEN_EXISTING, 0, nullptr));
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = startup.hStdOutput = startup.hStdError = nul.Get();
    }
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, quiet ? TRUE : FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return UniqueHandle();
    CloseHandle(info.hThread);
    processId = info.dwProcessId;
    return UniqueHandle(info.hProcess);
}

}  // namespace

bool RunRegTool(const std::string& arguments) {
    DWORD id = 0;
    UniqueHandle process = StartProcess("reg.exe " + arguments, "", id, true);
    if (!process.Valid() || WaitForSingleObject(process.Get(), SetupSession::kStepTimeoutMs) != WAIT_OBJECT_0)
        return false;
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
    return code == 0;
}

SetupSession::SetupSession(const std::string& mediumFolder) {
    const std::string setup = mediumFolder + "\\Setup.exe";
    if (!CopyFileA(BuiltSetupPath().c_str(), setup.c_str(), FALSE)) return;
    m_process = StartProcess("\"" + setup + "\"", mediumFolder, m_processId);
}

SetupSession::~SetupSession() {
    if (m_process.Valid() && WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(m_process.Get(), 1);
        WaitForSingleObject(m_process.Get(), kStepTimeoutMs);
    }
}

HWND SetupSession::WaitFor(const std::string& title, int controlId, DWORD timeoutMs) {
    return driver::WaitForWindow(title, controlId, m_processId, timeoutMs);
}

bool SetupSession::Click(const std::string& title, int markerId, int controlId, DWORD timeoutMs) {
    HWND window = WaitFor(title, markerId, timeoutMs);
    return window && driver::Click(window, controlId, timeoutMs);
}

bool SetupSession::WaitForExit(DWORD timeoutMs) {
    return m_process.Valid() && WaitForSingleObject(m_process.Get(), timeoutMs) == WAIT_OBJECT_0;
}
