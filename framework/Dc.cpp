#include "Dc.h"

#include "ResourceException.h"
#include "Wnd.h"

SIZE CDC::GetTextExtent(LPCSTR text, int length) const {
  SIZE extent{};
  if (!::GetTextExtentPoint32A(m_hDC, text, length, &extent)) extent = SIZE{};
  return extent;
}

CPaintDC::CPaintDC(CWnd* window) : m_hWnd(window->m_hWnd) {
  m_hDC = ::BeginPaint(m_hWnd, &m_ps);
  if (!m_hDC) throw CResourceException();
}

CPaintDC::~CPaintDC() { ::EndPaint(m_hWnd, &m_ps); }
