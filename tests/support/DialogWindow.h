#pragma once

#include <windows.h>

// The control panel's window as another process finds it.
constexpr char kControlPanelCaption[] = "Tessellarium Control Panel";

// The control panel dialog of the given process (any process when 0), or null.
HWND FindControlPanel(DWORD processId = 0);

// Visible, its thread has answered a message, and neither it nor a child waits for a paint.
bool IsPainted(HWND dialog);

// Waits, up to the timeout, until the control panel of that process is shown and painted; null if it never is.
HWND WaitUntilPainted(DWORD processId, DWORD timeoutMs);
