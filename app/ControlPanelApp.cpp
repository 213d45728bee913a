#include "ControlPanelApp.h"

#include "ControlPanelDialog.h"

#include <commctrl.h>

CControlPanelApp theApp;

BOOL CControlPanelApp::InitInstance() {
  InitCommonControls();
  CWinApp::InitInstance();
  SetRegistryKey("Local AppWizard-Generated Applications");

  CControlPanelDialog dialog;
  // cppcheck-suppress danglingLifetime ; cleared below, also when the window could not be made
  m_pMainWnd = &dialog;
  dialog.DoModal();
  m_pMainWnd = nullptr;

  // No message loop follows: the dialog was the whole program.
  return FALSE;
}
