#include "DialogWindow.h"

HWND FindControlPanel(DWORD processId) {
  for (HWND window = FindWindowExA(nullptr, nullptr, "#32770", kControlPanelCaption); window;
       window = FindWindowExA(nullptr, window, "#32770", kControlPanelCaption)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (processId == 0 || owner == processId) return window;
  }
  return nullptr;
}

bool IsPainted(HWND dialog) {
  if (!IsWindowVisible(dialog)) return false;
  DWORD_PTR ignored = 0;
  if (!SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &ignored)) return false;
  if (GetUpdateRect(dialog, nullptr, FALSE)) return false;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetUpdateRect(child, nullptr, FALSE)) return false;
  return true;
}

HWND WaitUntilPainted(DWORD processId, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  HWND dialog = nullptr;
  while (GetTickCount64() < deadline) {
    if (!dialog) dialog = FindControlPanel(processId);
    if (dialog && IsPainted(dialog)) return dialog;
    Sleep(1);
  }
  return nullptr;
}
