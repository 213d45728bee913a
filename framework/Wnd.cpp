#include "Wnd.h"

#include "Dc.h"
#include "WinApp.h"

#include <commctrl.h>

namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

IMPLEMENT_DYNAMIC(CWnd, CObject)

const MessageMap* CWnd::GetThisMessageMap() {
  static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
  static const MessageMap map = {nullptr, entries};
  return &map;
}

const MessageMap* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

CWnd::~CWnd() {
  if (m_bound) ::DestroyWindow(m_hWnd);
}

BOOL CWnd::SubclassWindow(HWND window) {
  if (!::IsWindow(window)) return FALSE;
  m_hWnd = window;
  PreSubclassWindow();
  if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
    m_hWnd = nullptr;
    return FALSE;
  }
  m_bound = true;
  return TRUE;
}

BOOL CWnd::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                  CCreateContext*) {
  CREATESTRUCTA cs{};
  cs.lpszClass = className;
  cs.lpszName = windowName;
  cs.style = style;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  cs.hwndParent = parent ? parent->m_hWnd : nullptr;
  cs.hMenu = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
  cs.hInstance = ::GetModuleHandleA(nullptr);
  if (!PreCreateWindow(cs)) return FALSE;
  HWND window = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
  if (!window) return FALSE;
  if (SubclassWindow(window)) return TRUE;
  ::DestroyWindow(window);
  return FALSE;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCTA&) { return TRUE; }

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags) {
  const LONG_PTR style = ::GetWindowLongPtrA(m_hWnd, GWL_STYLE);
  const LONG_PTR changed = (style & ~static_cast<LONG_PTR>(remove)) | static_cast<LONG_PTR>(add);
  if (changed == style) return FALSE;
  ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, changed);
  if (swpFlags)
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
  return TRUE;
}

void CWnd::GetWindowText(CString& text) const {
  const int length = ::GetWindowTextLengthA(m_hWnd);
  std::string buffer(static_cast<size_t>(length) + 1, '\0');
  buffer.resize(static_cast<size_t>(::GetWindowTextA(m_hWnd, buffer.data(), length + 1)));
  text = CString(std::move(buffer));
}

// Centres on the work area of the window's monitor, as a new top-level dialog is placed.
void CWnd::CenterWindow() {
  RECT window;
  GetWindowRect(&window);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  ::GetMonitorInfoA(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
  const RECT& area = monitor.rcWork;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int x = area.left + (area.right - area.left - width) / 2;
  const int y = area.top + (area.bottom - area.top - height) / 2;
  ::SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CWnd::Default() { return DefSubclassProc(m_hWnd, m_current.message, m_current.wParam, m_current.lParam); }

bool CWnd::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const UINT key = message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC ? kCtlColorMessage : message;
  for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
    for (const MessageMapEntry* entry = map->entries; entry->handler; ++entry) {
      if (entry->message != key) continue;
      if (key == WM_COMMAND && (entry->id != LOWORD(wParam) || entry->notification != HIWORD(wParam))) continue;
      const CurrentMessage outer = m_current;
      m_current = {message, wParam, lParam};
      result = entry->handler(*this, message, wParam, lParam);
      m_current = outer;
      return true;
    }
  }
  return false;
}

void CWnd::Unbind() {
  RemoveWindowSubclass(m_hWnd, SubclassProc, kSubclassId);
  m_hWnd = nullptr;
  m_bound = false;
  if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->m_pMainWnd = nullptr;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR object) {
  CWnd& self = *reinterpret_cast<CWnd*>(object);
  if (message == WM_NCDESTROY) {
    self.Unbind();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  // No exception may unwind through the system's frames. A paint that failed still counts as done,
  // or the window would be asked to paint again at once, forever.
  try {
    LRESULT result = 0;
    if (self.Dispatch(message, wParam, lParam, result)) return result;
  } catch (...) {
    if (message == WM_PAINT) ::ValidateRect(window, nullptr);
    return 0;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT message_map::CallCtlColor(CWnd& window, UINT message, WPARAM wParam, LPARAM lParam,
                                  HBRUSH (*call)(CWnd& window, CDC* dc, CWnd* control, UINT kind)) {
  CDC dc(reinterpret_cast<HDC>(wParam));
  CWnd control;
  control.m_hWnd = reinterpret_cast<HWND>(lParam);
  const HBRUSH brush = call(window, &dc, &control, message - WM_CTLCOLORMSGBOX);
  control.m_hWnd = nullptr;
  return reinterpret_cast<LRESULT>(brush);
}
