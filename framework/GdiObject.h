#pragma once

#include <windows.h>

// Owns one GDI object and deletes it when it goes.
class CGdiObject {
public:
  CGdiObject() = default;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  virtual ~CGdiObject() { DeleteObject(); }

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  BOOL Attach(HGDIOBJ object);
  BOOL DeleteObject();

  HGDIOBJ m_hObject = nullptr;
};

class CPen : public CGdiObject {
public:
  CPen() = default;
  // Leaves the pen empty when the system cannot make it.
  BOOL CreatePen(int penStyle, int width, COLORREF color);
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT: handed to the system as is
};

class CBrush : public CGdiObject {
public:
  CBrush() = default;
  // A solid brush; throws CResourceException when the system cannot make it.
  explicit CBrush(COLORREF color);
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT: handed to the system as is
};

class CFont : public CGdiObject {
public:
  CFont() = default;
  // Both leave the font empty when the system cannot make it.
  BOOL CreateFontIndirect(const LOGFONTA* logFont);
  // The size in tenths of a point, converted for the screen: the height is -|LOGPIXELSY * size / 720|.
  BOOL CreatePointFont(int pointSize, LPCSTR faceName);
  int GetLogFont(LOGFONTA* logFont) const;
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT: handed to the system as is
};
