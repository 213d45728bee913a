#include "Dialog.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (!control.m_hWnd) control.SubclassWindow(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, id));
}

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, OnOK)
  ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_templateId(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal() {
  return ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId),
                           m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange{saveAndValidate, this};
  DoDataExchange(&exchange);
  return TRUE;
}

BOOL CDialog::OnInitDialog() { return UpdateData(FALSE); }

void CDialog::OnOK() {
  if (UpdateData(TRUE)) EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

// The object arrives with WM_INITDIALOG; from then on it sees every message first through its subclass,
// and whatever it leaves comes back here as unhandled. Earlier messages (WM_SETFONT) get the default.
INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM, LPARAM lParam) {
  if (message != WM_INITDIALOG) return FALSE;
  CDialog& dialog = *reinterpret_cast<CDialog*>(lParam);
  if (!dialog.SubclassWindow(window)) {
    ::EndDialog(window, -1);
    return FALSE;
  }
  BOOL focusDefault = TRUE;
  try {
    focusDefault = dialog.OnInitDialog();
  } catch (...) {
    // Unwinding through the dialog manager is undefined; a dialog that cannot start ends as one never made.
    ::EndDialog(window, -1);
  }
  dialog.CenterWindow();
  return focusDefault;
}
