// The least a program can do with the control panel's template: show it and close on OK or Cancel.
// The start-up benchmark measures the control panel against this floor.
#include "resource.h"

#include <windows.h>

namespace {

INT_PTR CALLBACK FloorProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)) {
    EndDialog(window, LOWORD(wParam));
    return TRUE;
  }
  return FALSE;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_CONTROL_PANEL), nullptr, FloorProc, 0));
}
