#include "GdiObject.h"

#include "ResourceException.h"

#include <cstdlib>
#include <cstring>

BOOL CGdiObject::Attach(HGDIOBJ object) {
  if (!object) return FALSE;
  DeleteObject();
  m_hObject = object;
  return TRUE;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  const BOOL deleted = ::DeleteObject(m_hObject);
  m_hObject = nullptr;
  return deleted;
}

BOOL CPen::CreatePen(int penStyle, int width, COLORREF color) {
  DeleteObject();
  return Attach(::CreatePen(penStyle, width, color));
}

CBrush::CBrush(COLORREF color) {
  if (!Attach(::CreateSolidBrush(color))) throw CResourceException();
}

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont) {
  DeleteObject();
  return Attach(::CreateFontIndirectA(logFont));
}

BOOL CFont::CreatePointFont(int pointSize, LPCSTR faceName) {
  LOGFONTA logFont{};
  logFont.lfCharSet = DEFAULT_CHARSET;
  if (faceName) {
    // A longer name is cut to what the field holds, never run past it.
    std::strncpy(logFont.lfFaceName, faceName, LF_FACESIZE - 1);
  }
  HDC screen = ::GetDC(nullptr);
  if (!screen) {
    DeleteObject();
    return FALSE;
  }
  logFont.lfHeight = -std::abs(::GetDeviceCaps(screen, LOGPIXELSY) * pointSize / 720);
  ::ReleaseDC(nullptr, screen);
  return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONTA* logFont) const { return ::GetObjectA(m_hObject, sizeof *logFont, logFont); }
