#pragma once

#include "WinApp.h"

// Shows the control panel once, modally; the process ends when it closes.
class CControlPanelApp : public CWinApp {
public:
  CControlPanelApp() = default;
  ~CControlPanelApp() override = default;

  BOOL InitInstance() override;
};
