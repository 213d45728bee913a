#pragma once

#include "PanelView.h"
#include "ProgramProcess.h"

#include <windows.h>

#include <ostream>

// The ways a user can end the dialog.
enum class Ending { Ok, Cancel, Escape, CloseBox };

const char* NameOf(Ending ending);
std::ostream& operator<<(std::ostream& out, Ending ending);

// The program's dialog, driven from this process as a user would: reading the boxes, clicking them
// and ending the dialog. Every message to it is bounded in time, so a hung program fails the test.
class PanelWindow {
public:
  // Waits until the process shows its dialog; by then the dialog has loaded the registrations.
  static PanelWindow WaitFor(const ProgramProcess& process, DWORD timeoutMs);

  PanelView Read() const;
  void Click(IdeHost row, Side side) const;
  void End(Ending ending) const;
  // True while the process still has its dialog on screen.
  bool IsOpen() const;

private:
  PanelWindow(HWND window, DWORD processId) : m_window(window), m_processId(processId) {}

  HWND Control(int id) const;
  LRESULT Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const;
  void PressEscape() const;

  HWND m_window;
  DWORD m_processId;
};
