#include "framework/TextFile.h"

CTextFile::CTextFile(const std::string& path)
    : m_path(path),
      m_file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (!m_file.Valid()) throw CFileException(GetLastError(), m_path);
}

void CTextFile::WriteText(const std::string& text) {
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') bytes += '\r';
        bytes += c;
    }
    const char* data = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const DWORD chunk = left > 0x40000000u ? 0x40000000u : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(m_file.Get(), data, chunk, &written, nullptr)) throw CFileException(GetLastError(), m_path);
        if (written == 0) throw CFileException(ERROR_WRITE_FAULT, m_path);
        data += written;
        left -= written;
    }
}

void CTextFile::Close() {
    if (!m_file.Valid()) return;
    HANDLE file = m_file.Release();
    if (!CloseHandle(file)) throw CFileException(GetLastError(), m_path);
}

void SetFileAttributesOrThrow(const std::string& path, DWORD attributes) {
    if (!SetFileAttributesA(path.c_str(), attributes)) throw CFileException(GetLastError(), path);
}
