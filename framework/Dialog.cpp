#include "framework/Dialog.h"

#include "framework/Strings.h"

void CDataExchange::Text(int id, std::string& value) {
    if (m_save) {
        value = WindowText(GetDlgItem(m_dialog, id));
    } else {
        SetDlgItemTextA(m_dialog, id, value.c_str());
    }
}

void CDataExchange::Check(int id, int& value) {
    if (m_save) {
        value = IsDlgButtonChecked(m_dialog, id) == BST_CHECKED ? 1 : 0;
    } else {
        CheckDlgButton(m_dialog, id, value ? BST_CHECKED : BST_UNCHECKED);
    }
}

CDialog::CDialog(UINT templateId, HWND parent) : m_templateId(templateId), m_parent(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), m_parent,
                                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_hwnd = nullptr;
    return result;
}

void CDialog::EndDialog(INT_PTR result) { ::EndDialog(m_hwnd, result); }

bool CDialog::UpdateData(bool save) {
    CDataExchange exchange(m_hwnd, save);
    DoDataExchange(exchange);
    return true;
}

std::string CDialog::ItemText(int id) const { return WindowText(Item(id)); }
void CDialog::SetItemText(int id, const std::string& text) { SetDlgItemTextA(m_hwnd, id, text.c_str()); }
bool CDialog::IsChecked(int id) const { return IsDlgButtonChecked(m_hwnd, id) == BST_CHECKED; }
void CDialog::SetChecked(int id, bool checked) { CheckDlgButton(m_hwnd, id, checked ? BST_CHECKED : BST_UNCHECKED); }
void CDialog::EnableItem(int id, bool enable) { EnableWindow(Item(id), enable ? TRUE : FALSE); }
void CDialog::ShowItem(int id, bool show) { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }

void CDialog::OnOK() {
    if (UpdateData(true)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::TakeParentIcons() {
    if (!m_parent) return;
    const LRESULT big = SendMessageA(m_parent, WM_GETICON, ICON_BIG, 0);
    const LRESULT small = SendMessageA(m_parent, WM_GETICON, ICON_SMALL, 0);
    SendMessageA(m_hwnd, WM_SETICON, ICON_BIG, big);
    SendMessageA(m_hwnd, WM_SETICON, ICON_SMALL, small);
}

void CDialog::CenterOverParent() {
    RECT area;
    if (m_parent && IsWindowVisible(m_parent)) {
        GetWindowRect(m_parent, &area);
    } else {
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    }
    RECT self;
    GetWindowRect(m_hwnd, &self);
    const int width = self.right - self.left;
    const int height = self.bottom - self.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(m_hwnd, nullptr, x > 0 ? x : 0, y > 0 ? y : 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hwnd = hwnd;
        dialog->UpdateData(false);
        const BOOL result = dialog->OnInitDialog();
        if (IsWindow(hwnd) && !IsZoomed(hwnd)) dialog->CenterOverParent();
        return result;
    }
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!dialog) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT)
    return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) return DispatchCommand(LOWORD(wParam)) ? TRUE : FALSE;
    const auto handler = m_messages.find(message);
    if (handler == m_messages.end()) return FALSE;
    SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, handler->second(wParam, lParam));
    return TRUE;
}

bool CDialog::DispatchCommand(int id) {
    const auto handler = m_commands.find(id);
    if (handler != m_commands.end()) {
        handler->second();
        return true;
    }
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}
