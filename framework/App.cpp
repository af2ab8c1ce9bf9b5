#include "framework/App.h"

#include "framework/MessageLoop.h"
#include "framework/Strings.h"

namespace {
CWinApp* g_application = nullptr;
}

CWinApp::CWinApp() { g_application = this; }

CWinApp::~CWinApp() {
    if (g_application == this) g_application = nullptr;
}

CWinApp* CWinApp::Current() { return g_application; }

int CWinApp::Start(HINSTANCE instance) {
    m_instance = instance;
    const int code = InitInstance() ? Run() : 0;
    const int exitCode = ExitInstance();
    return code != 0 ? code : exitCode;
}

int CWinApp::Run() { return RunMessageLoop(); }

std::string ApplicationName() {
    const std::string path = ModuleFilePath(nullptr);
    const size_t slash = FindLastBackslash(path);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.rfind('.');  // '.' (0x2E) is never a trail byte in code page 936
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}
