#pragma once

#include "GdiObject.h"

#include <windows.h>

class CWnd;

// A device context borrowed from its owner: this wrapper never releases it.
class CDC {
public:
  explicit CDC(HDC dc = nullptr) : m_hDC(dc) {}
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;
  virtual ~CDC() = default;

  HDC GetSafeHdc() const { return m_hDC; }

  // Each returns the object of its kind that was selected before, so that it can be put back. An empty
  // wrapper selects nothing and returns the object in place, so what is kept is always what was there.
  HPEN SelectObject(const CPen& pen) { return static_cast<HPEN>(Select(pen.GetSafeHandle(), OBJ_PEN)); }
  HBRUSH SelectObject(const CBrush& brush) { return static_cast<HBRUSH>(Select(brush.GetSafeHandle(), OBJ_BRUSH)); }
  HFONT SelectObject(const CFont& font) { return static_cast<HFONT>(Select(font.GetSafeHandle(), OBJ_FONT)); }
  // Puts back a kept object, or selects a stock one.
  HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }

  int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
  BOOL Rectangle(int left, int top, int right, int bottom) { return ::Rectangle(m_hDC, left, top, right, bottom); }
  BOOL RoundRect(const RECT& rect, int ellipseWidth, int ellipseHeight) {
    return ::RoundRect(m_hDC, rect.left, rect.top, rect.right, rect.bottom, ellipseWidth, ellipseHeight);
  }
  BOOL MoveTo(int x, int y) { return ::MoveToEx(m_hDC, x, y, nullptr); }
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  int IntersectClipRect(const RECT& rect) {
    return ::IntersectClipRect(m_hDC, rect.left, rect.top, rect.right, rect.bottom);
  }
  // An extent that cannot be measured counts as none.
  SIZE GetTextExtent(LPCSTR text, int length) const;
  int DrawText(LPCSTR text, int length, RECT* rect, UINT format) {
    return ::DrawTextA(m_hDC, text, length, rect, format);
  }
  COLORREF SetTextColor(COLORREF color) { return ::SetTextColor(m_hDC, color); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }

  HDC m_hDC;

private:
  HGDIOBJ Select(HGDIOBJ object, UINT kind) {
    return object ? ::SelectObject(m_hDC, object) : ::GetCurrentObject(m_hDC, kind);
  }
};

// Puts back, when it goes, the object that its selection replaced: a drawing that throws half-way
// still leaves the device context as it found it, and nothing is deleted while selected.
class CSelection {
public:
  template <class GdiObject>
  CSelection(CDC& dc, const GdiObject& object) : m_dc(dc), m_kept(dc.SelectObject(object)) {}
  CSelection(const CSelection&) = delete;
  CSelection& operator=(const CSelection&) = delete;
  ~CSelection() { m_dc.SelectObject(m_kept); }

private:
  CDC& m_dc;
  HGDIOBJ m_kept;
};

// The paint of one window, from BeginPaint to EndPaint.
class CPaintDC : public CDC {
public:
  // Throws CResourceException when the paint cannot begin.
  explicit CPaintDC(CWnd* window);
  ~CPaintDC() override;

  PAINTSTRUCT m_ps{};

private:
  HWND m_hWnd;
};
