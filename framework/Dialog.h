#pragma once

#include "Wnd.h"

class CDialog;

// One transfer between a dialog and its member controls.
struct CDataExchange {
  BOOL m_bSaveAndValidate;
  CDialog* m_pDlgWnd;
};

// Binds a member control object to the dialog's child window with the given id (once).
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);

// A modal dialog run by the system's dialog manager from a template in the program's resources,
// so Enter, Escape, Tab and the close box behave as on any Windows dialog.
class CDialog : public CWnd {
public:
  explicit CDialog(UINT templateId, CWnd* parent = nullptr);

  // Returns the end code, or -1 when the window cannot be created.
  INT_PTR DoModal();
  BOOL UpdateData(BOOL saveAndValidate = TRUE);
  void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

  virtual BOOL OnInitDialog();
  virtual void OnOK();
  virtual void OnCancel();

protected:
  virtual void DoDataExchange(CDataExchange*) {}

  DECLARE_MESSAGE_MAP()

private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  UINT m_templateId;
  CWnd* m_pParentWnd;
};
