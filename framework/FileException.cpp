#include "framework/FileException.h"

#include "framework/Strings.h"

namespace {
// Shown when the system has no text for the error code.
const char kUnknownFileError[] = "访问文件时发生未知错误。";
// Joins the system's message and the file's name.
const char kFileErrorFormat[] = "%s\n%s";
}  // namespace

CFileException::CFileException(DWORD osError, const std::string& fileName)
    : std::runtime_error("file error"), m_osError(osError), m_fileName(fileName) {}

std::string CFileException::ErrorText() const {
    std::string reason = TrimRight(SystemErrorText(m_osError));
    if (reason.empty()) reason = kUnknownFileError;
    return FormatText(kFileErrorFormat, reason.c_str(), m_fileName.c_str());
}

void CFileException::ReportError(CUserPrompt& prompt, const std::string& caption) const {
    prompt.Ask(ErrorText(), caption, MB_OK | MB_ICONEXCLAMATION);
}
