#include "framework/Strings.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
}  // namespace

size_t NextCharIndex(const std::string& text, size_t index) {
    if (index >= text.size()) return text.size();
    if (IsDBCSLeadByte(static_cast<BYTE>(text[index])) && index + 1 < text.size()) return index + 2;
    return index + 1;
}

size_t LastCharIndex(const std::string& text) {
    size_t last = std::string::npos;
    for (size_t i = 0; i < text.size(); i = NextCharIndex(text, i)) last = i;
    return last;
}

size_t FindLastBackslash(const std::string& text) {
    size_t found = std::string::npos;
    for (size_t i = 0; i < text.size(); i = NextCharIndex(text, i))
        if (text[i] == '\\') found = i;
    return found;
}

bool EndsWithChar(const std::string& text, char c) {
    const size_t last = LastCharIndex(text);
    return last != std::string::npos && last + 1 == text.size() && text[last] == c;
}

bool EndsWithSeparator(const std::string& text) { return EndsWithChar(text, '\\') || EndsWithChar(text, '/'); }

std::string WithBackslash(const std::string& text) { return EndsWithChar(text, '\\') ? text : text + '\\'; }

std::string Trim(const std::string& text) {
    size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return TrimRight(text.substr(begin));
}

std::string TrimRight(const std::string& text) {
    // A blank byte can never be a trail byte in code page 936 (trail bytes start at 0x40).
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

bool EqualsNoCase(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

std::string FormatText(const char* format, ...) {
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string result;
    if (length > 0) {
        std::vector<char> buffer(static_cast<size_t>(length) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        result.assign(buffer.data(), static_cast<size_t>(length));
    }
    va_end(args);
    return result;
}

std::string SystemErrorText(DWORD error) {
    char* text = nullptr;
    const DWORD length =
        FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                       nullptr, error, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT), reinterpret_cast<char*>(&text), 0,
                       nullptr);
    std::string result = length && text ? std::string(text, length) : std::string();
    if (text) LocalFree(text);
    return result;
}

std::string LoadResourceString(HINSTANCE module, UINT id) {
    char buffer[1024];
    const int length = LoadStringA(module, id, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer, static_cast<size_t>(length)) : std::string();
}

std::string ModuleFilePath(HMODULE module) {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameA(module, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return std::string();
        if (length < buffer.size()) return std::string(buffer.data(), length);
        buffer.resize(buffer.size() * 2);
    }
}

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextA(window, buffer.data(), length + 1);
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}
