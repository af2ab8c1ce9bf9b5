#pragma once
// String helpers for ANSI (code page 936) text. Paths may hold double-byte characters whose trail
// byte is 0x5C, so everything that looks for a separator walks by character, never by byte.
#include "framework/Charset.h"

#include <windows.h>

#include <string>

// Index of the character that follows the one starting at index (double-byte aware).
size_t NextCharIndex(const std::string& text, size_t index);
// Index of the last character of a non-empty text (double-byte aware); npos for an empty text.
size_t LastCharIndex(const std::string& text);
// Index of the last backslash that is a character of its own; npos when there is none.
size_t FindLastBackslash(const std::string& text);

bool EndsWithChar(const std::string& text, char c);
bool EndsWithSeparator(const std::string& text);  // backslash or slash
// Appends a backslash unless the text already ends with one.
std::string WithBackslash(const std::string& text);

std::string Trim(const std::string& text);       // white space at both ends
std::string TrimRight(const std::string& text);  // white space at the end

// Case-insensitive comparison in the user's locale (file names).
bool EqualsNoCase(const std::string& a, const std::string& b);

// printf-style formatting into a std::string (the texts pass %s arguments only).
std::string FormatText(const char* format, ...);

// The system's message for an error code, in the user's default language.
std::string SystemErrorText(DWORD error);
// A string resource of the module; empty when it does not exist.
std::string LoadResourceString(HINSTANCE module, UINT id);
// Full path of the module's file.
std::string ModuleFilePath(HMODULE module);
// The text of a window.
std::string WindowText(HWND window);
