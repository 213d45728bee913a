#pragma once

#include "RuntimeClass.h"

#include <windows.h>

#include <string>

class CWnd;

// The one application object. The entry point runs InitInstance; a start-up that returns FALSE
// skips the message loop, and ExitInstance gives the exit code either way.
class CWinApp : public CObject {
public:
  CWinApp();
  ~CWinApp() override;

  virtual BOOL InitInstance() { return TRUE; }
  virtual int Run();
  virtual int ExitInstance() { return 0; }

  // Names the key under HKEY_CURRENT_USER\Software where settings would be kept; creates nothing.
  void SetRegistryKey(LPCSTR key) { m_registryKey = key; }

  HINSTANCE m_hInstance = nullptr;
  CWnd* m_pMainWnd = nullptr;

private:
  std::string m_registryKey;
};

CWinApp* AfxGetApp();
