#pragma once
// A text file written in one piece: line feeds become carriage return + line feed on disk, as a
// text-mode file writes them. Every failure throws CFileException; the handle closes on every path.
#include "framework/FileException.h"
#include "framework/Handles.h"

#include <string>

class CTextFile {
public:
    // Creates (or truncates) the file for writing.
    explicit CTextFile(const std::string& path);
    void WriteText(const std::string& text);
    // Closes the file; a failure to flush is reported like a write error.
    void Close();

private:
    std::string m_path;
    UniqueFile m_file;
};

// Sets a file's attributes or throws CFileException.
void SetFileAttributesOrThrow(const std::string& path, DWORD attributes);
