#pragma once

#include "Wnd.h"

class CButton : public CWnd {
  DECLARE_DYNAMIC(CButton)

public:
  CButton() = default;

  // Creates a window of the system's button class; reaches the seven-argument Create, so overrides see it.
  BOOL Create(LPCSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id);
  using CWnd::Create;

  int GetCheck() const { return static_cast<int>(SendMessage(BM_GETCHECK)); }
  void SetCheck(int check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
};
