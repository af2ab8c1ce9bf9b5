#pragma once
// The one way the programs' steps ask the user something. The real prompt shows a message box owned
// by a window; tests substitute scripted answers and record what was asked.
#include <windows.h>

#include <string>

class CUserPrompt {
public:
    virtual ~CUserPrompt() = default;
    // type: MB_* buttons and icon flags; returns the button chosen (IDYES, IDRETRY, ...).
    virtual int Ask(const std::string& text, const std::string& caption, UINT type) = 0;
};

class CMessageBoxPrompt : public CUserPrompt {
public:
    explicit CMessageBoxPrompt(HWND owner = nullptr) : m_owner(owner) {}
    void SetOwner(HWND owner) { m_owner = owner; }
    int Ask(const std::string& text, const std::string& caption, UINT type) override {
        return MessageBoxA(m_owner, text.c_str(), caption.c_str(), type);
    }

private:
    HWND m_owner;
};
