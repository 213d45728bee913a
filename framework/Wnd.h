#pragma once

#include "MessageMap.h"
#include "RuntimeClass.h"
#include "String.h"

#include <windows.h>

struct CCreateContext;
class CDC;

// A window and the object that handles its messages. An object is bound to an existing window by
// subclassing it (the object rides along as the subclass's reference data) or creates its own.
// The window goes before its object: an object still bound when it dies destroys its window first.
class CWnd : public CObject {
  DECLARE_DYNAMIC(CWnd)

public:
  CWnd() = default;
  ~CWnd() override;

  HWND m_hWnd = nullptr;

  // Binds the object to an existing window; PreSubclassWindow runs first.
  BOOL SubclassWindow(HWND window);
  virtual BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                      CCreateContext* context = nullptr);
  virtual BOOL PreCreateWindow(CREATESTRUCTA& cs);
  virtual void PreSubclassWindow() {}

  BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void GetWindowText(CString& text) const;
  void SetIcon(HICON icon, BOOL bigIcon) { SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)); }
  void CenterWindow();

protected:
  // The message-map accessors; every class with a map of its own overrides them through DECLARE_MESSAGE_MAP.
  static const MessageMap* GetThisMessageMap();
  virtual const MessageMap* GetMessageMap() const;

  // The window's own handling of the message being dispatched: its original procedure.
  LRESULT Default();

  void OnPaint() { Default(); }
  HBRUSH OnCtlColor(CDC*, CWnd*, UINT) { return reinterpret_cast<HBRUSH>(Default()); }

private:
  struct CurrentMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  };

  static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR object);
  bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
  void Unbind();

  CurrentMessage m_current{};
  bool m_bound = false;  // subclassed by this object, until the window goes
};
