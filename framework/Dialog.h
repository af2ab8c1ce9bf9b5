#pragma once
// A modal dialog on a dialog template by ID. Subclasses register one small handler per control ID
// (button clicks) or per window message in their constructor; the plumbing here only dispatches.
#include "framework/Charset.h"

#include <windows.h>

#include <functional>
#include <map>
#include <string>

// Moves values between controls and members: from the controls when saving, to them otherwise.
class CDataExchange {
public:
    CDataExchange(HWND dialog, bool save) : m_dialog(dialog), m_save(save) {}
    bool Saving() const { return m_save; }
    void Text(int id, std::string& value);
    void Check(int id, int& value);  // check box: 0 or 1

private:
    HWND m_dialog;
    bool m_save;
};

class CDialog {
public:
    using CommandHandler = std::function<void()>;
    using MessageHandler = std::function<LRESULT(WPARAM, LPARAM)>;

    explicit CDialog(UINT templateId, HWND parent = nullptr);
    virtual ~CDialog();
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Creates the dialog and runs it until EndDialog; returns the result (-1 if it could not be created).
    INT_PTR DoModal();
    void EndDialog(INT_PTR result);
    HWND GetSafeHwnd() const { return m_hwnd; }
    HWND Parent() const { return m_parent; }
    void SetParent(HWND parent) { m_parent = parent; }

    // Exchanges the controls' values with the members (DoDataExchange); true on success.
    bool UpdateData(bool save = true);

    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);

protected:
    // Returns TRUE to let the system set the default focus.
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual void DoDataExchange(CDataExchange&) {}
    virtual void OnOK();      // IDOK (Enter): exchange data and end with IDOK
    virtual void OnCancel();  // IDCANCEL (Escape, close box): end with IDCANCEL

    void OnCommandId(int id, CommandHandler handler) { m_commands[id] = std::move(handler); }
    void OnMessage(UINT message, MessageHandler handler) { m_messages[message] = std::move(handler); }
    // Dialogs open centred over their parent (or the work area), unless maximised.
    void CenterOverParent();
    // Copies the parent window's large and small icons to this dialog.
    void TakeParentIcons();

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    bool DispatchCommand(int id);

    UINT m_templateId;
    HWND m_parent;
    HWND m_hwnd = nullptr;
    std::map<int, CommandHandler> m_commands;
    std::map<UINT, MessageHandler> m_messages;
};
