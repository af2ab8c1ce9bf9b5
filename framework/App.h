#pragma once
// The application object: WinMain hands over to it, its instance initialisation runs the program.
#include "framework/Charset.h"

#include <windows.h>

#include <string>

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Runs the program; returns the process exit code. WinMain calls this.
    int Start(HINSTANCE instance);
    HINSTANCE Instance() const { return m_instance; }

    static CWinApp* Current();

protected:
    // Returns false when the program is over once it returns (a dialog-based program).
    virtual bool InitInstance() = 0;
    // Message loop for programs whose InitInstance returns true.
    virtual int Run();
    virtual int ExitInstance() { return 0; }

private:
    HINSTANCE m_instance = nullptr;
};

// The running program's file name without folder and extension: the caption of its message boxes.
std::string ApplicationName();
