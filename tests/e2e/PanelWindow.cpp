#include "PanelWindow.h"

#include "DialogWindow.h"
#include "DriverError.h"

#include <string>

namespace {

constexpr int kFirstBoxId = 1000;
constexpr UINT kReplyTimeoutMs = 5000;
constexpr DWORD kForegroundTimeoutMs = 5000;
constexpr DWORD kPollMs = 5;

// The template numbers the boxes row by row, On before Off.
int BoxId(IdeHost row, Side side) {
  return kFirstBoxId + 2 * static_cast<int>(row) + (side == Side::Off ? 1 : 0);
}

template <class Condition>
bool WaitUntil(DWORD timeoutMs, Condition condition) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  while (!condition()) {
    if (::GetTickCount64() >= deadline) return false;
    ::Sleep(kPollMs);
  }
  return true;
}

}  // namespace

const char* NameOf(Ending ending) {
  switch (ending) {
    case Ending::Ok:
      return "Ok";
    case Ending::Cancel:
      return "Cancel";
    case Ending::Escape:
      return "Escape";
    case Ending::CloseBox:
      return "CloseBox";
  }
  return "?";
}

std::ostream& operator<<(std::ostream& out, Ending ending) { return out << NameOf(ending); }

PanelWindow PanelWindow::WaitFor(const ProgramProcess& process, DWORD timeoutMs) {
  HWND window = nullptr;
  std::optional<DWORD> exitCode;
  const bool shown = WaitUntil(timeoutMs, [&] {
    window = FindControlPanel(process.Id());
    exitCode = process.ExitCode();
    return (window && ::IsWindowVisible(window)) || exitCode;
  });
  if (exitCode && !window)
    throw DriverError("the program ended with exit code " + std::to_string(*exitCode) + " before showing its dialog");
  if (!shown) throw DriverError("the program showed no dialog within " + std::to_string(timeoutMs) + " ms");
  return PanelWindow(window, process.Id());
}

PanelView PanelWindow::Read() const {
  PanelView view;
  for (IdeHost row : kAllIdeHosts) {
    for (Side side : {Side::On, Side::Off}) {
      const HWND box = Control(BoxId(row, side));
      BoxView& seen = side == Side::On ? view[row].on : view[row].off;
      seen.enabled = ::IsWindowEnabled(box) != FALSE;
      seen.checked = Send(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
  }
  return view;
}

// Wine acts on BM_CLICK even for a disabled box, which no user could click; such a script is a mistake.
void PanelWindow::Click(IdeHost row, Side side) const {
  const HWND box = Control(BoxId(row, side));
  if (!::IsWindowEnabled(box))
    throw DriverError("a user cannot click the disabled box " + std::to_string(BoxId(row, side)));
  Send(box, BM_CLICK, 0, 0);
}

void PanelWindow::End(Ending ending) const {
  switch (ending) {
    case Ending::Ok:
      Send(Control(IDOK), BM_CLICK, 0, 0);
      return;
    case Ending::Cancel:
      Send(Control(IDCANCEL), BM_CLICK, 0, 0);
      return;
    case Ending::Escape:
      PressEscape();
      return;
    case Ending::CloseBox:
      Send(m_window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
  }
}

bool PanelWindow::IsOpen() const { return ::IsWindow(m_window) && FindControlPanel(m_processId) == m_window; }

HWND PanelWindow::Control(int id) const {
  const HWND control = ::GetDlgItem(m_window, id);
  if (!control) throw DriverError("the dialog has no control " + std::to_string(id));
  return control;
}

LRESULT PanelWindow::Send(HWND target, UINT message, WPARAM wParam, LPARAM lParam) const {
  DWORD_PTR result = 0;
  if (!::SendMessageTimeoutA(target, message, wParam, lParam, SMTO_ABORTIFHUNG, kReplyTimeoutMs, &result))
    throw DriverError("the dialog did not answer message " + std::to_string(message) + " within " +
                      std::to_string(kReplyTimeoutMs) + " ms");
  return static_cast<LRESULT>(result);
}

// Keyboard input goes to the foreground window, so the dialog must be there before the key is sent.
void PanelWindow::PressEscape() const {
  ::SetForegroundWindow(m_window);
  if (!WaitUntil(kForegroundTimeoutMs, [&] { return ::GetForegroundWindow() == m_window; }))
    throw DriverError("the dialog did not come to the foreground");
  INPUT keys[2] = {};
  keys[0].type = INPUT_KEYBOARD;
  keys[0].ki.wVk = VK_ESCAPE;
  keys[1] = keys[0];
  keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
  if (::SendInput(2, keys, sizeof(INPUT)) != 2) throw DriverError("SendInput did not take the Escape key");
}
