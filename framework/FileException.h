#pragma once
// File errors of the programs' own files (the install log) travel as exceptions and end in the
// standard file-error message box.
#include "framework/UserPrompt.h"

#include <windows.h>

#include <stdexcept>
#include <string>

class CFileException : public std::runtime_error {
public:
    CFileException(DWORD osError, const std::string& fileName);
    DWORD OsError() const { return m_osError; }
    const std::string& FileName() const { return m_fileName; }
    // The text of the standard box: the system's message for the error, then the file's name.
    std::string ErrorText() const;
    // Shows the standard box (OK button, exclamation icon) through the prompt.
    void ReportError(CUserPrompt& prompt, const std::string& caption) const;

private:
    DWORD m_osError;
    std::string m_fileName;
};
