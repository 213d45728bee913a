#include "XPGroupBox.h"

#include "GradientRamp.h"
#include "GroupBoxLayout.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

group_box::Rect ToLayout(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

RECT ToRect(const group_box::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

group_box::Extent ToExtent(SIZE size) { return {size.cx, size.cy}; }

group_box::Alignment ToLayout(CXPGroupBox::CaptionAlignment alignment) {
  switch (alignment) {
    case CXPGroupBox::Center:
      return group_box::Alignment::Center;
    case CXPGroupBox::Right:
      return group_box::Alignment::Right;
    case CXPGroupBox::Left:
      break;
  }
  return group_box::Alignment::Left;
}

void CopyFaceName(char (&field)[LF_FACESIZE], const char* faceName) {
  std::strncpy(field, faceName, LF_FACESIZE - 1);
  field[LF_FACESIZE - 1] = '\0';
}

}  // namespace

IMPLEMENT_DYNAMIC(CXPGroupBox, CButton)

BEGIN_MESSAGE_MAP(CXPGroupBox, CButton)
  ON_WM_PAINT()
END_MESSAGE_MAP()

CXPGroupBox::CXPGroupBox()
    : m_borderColor(::GetSysColor(COLOR_BTNSHADOW)),
      m_captionBackColor(::GetSysColor(COLOR_BTNFACE)),
      m_clientBackColor(::GetSysColor(COLOR_BTNFACE)),
      m_captionTextColor(::GetSysColor(COLOR_ACTIVECAPTION)) {}

void CXPGroupBox::PreSubclassWindow() {
  CButton::PreSubclassWindow();
  ModifyStyle(0, BS_ICON);
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessage(WM_GETFONT));
  if (!font) font = ::GetStockObject(SYSTEM_FONT);
  ::GetObjectA(font, sizeof m_logFont, &m_logFont);
  RebuildFont();
}

BOOL CXPGroupBox::Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
                         CCreateContext* context) {
  return CButton::Create(className, windowName, style | BS_ICON, rect, parent, id, context);
}

BOOL CXPGroupBox::PreCreateWindow(CREATESTRUCTA& cs) {
  cs.style |= BS_ICON;
  return CButton::PreCreateWindow(cs);
}

CXPGroupBox& CXPGroupBox::SetBorderColor(COLORREF color) {
  m_borderColor = color;
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetCaptionTextColor(COLORREF color) {
  m_captionTextColor = color;
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetBackgroundColor(COLORREF captionColor, COLORREF clientColor) {
  m_captionBackColor = captionColor;
  m_clientBackColor = clientColor;
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetBackgroundColor(COLORREF color) { return SetBackgroundColor(color, color); }

CXPGroupBox& CXPGroupBox::SetGroupBoxStyle(GroupBoxStyle style) {
  m_style = style;
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetText(LPCSTR text) {
  if (!::IsWindow(m_hWnd)) return *this;
  m_caption = " " + CString(text) + " ";
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetFontBold(BOOL bold) {
  m_logFont.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  RebuildFont();
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetFontName(const CString& faceName, BYTE charSet) {
  m_logFont.lfCharSet = charSet;
  CopyFaceName(m_logFont.lfFaceName, faceName);
  RebuildFont();
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetFontUnderline(BYTE underline) {
  m_logFont.lfUnderline = underline;
  RebuildFont();
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetFontItalic(BYTE italic) {
  m_logFont.lfItalic = italic;
  RebuildFont();
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetFontSize(int points) {
  CFont pointFont;
  LOGFONTA sized{};
  if (pointFont.CreatePointFont(points * 10, m_logFont.lfFaceName) && pointFont.GetLogFont(&sized)) {
    m_logFont.lfHeight = sized.lfHeight;
    m_logFont.lfWidth = sized.lfWidth;
  }
  RebuildFont();
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetCaptionFont(LOGFONTA logFont) {
  m_logFont = logFont;
  // A face name that fills the field has no terminator of its own.
  m_logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
  RebuildFont();
  UpdateAppearance();
  return *this;
}

CXPGroupBox& CXPGroupBox::SetAlignment(CaptionAlignment alignment) {
  m_alignment = alignment == Center || alignment == Right ? alignment : Left;
  UpdateAppearance();
  return *this;
}

void CXPGroupBox::SetClientBackgroundColor(COLORREF color) {
  m_clientBackColor = color;
  UpdateAppearance();
}

void CXPGroupBox::UpdateAppearance() {
  if (!::IsWindow(m_hWnd)) return;
  RECT rect;
  GetWindowRect(&rect);
  ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  const HWND parent = ::GetParent(m_hWnd);
  if (!parent) return;
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  ::InvalidateRect(parent, &rect, TRUE);
  ::UpdateWindow(parent);
}

void CXPGroupBox::RebuildFont() { m_font.CreateFontIndirect(&m_logFont); }

void CXPGroupBox::OnPaint() {
  CPaintDC dc(this);
  RECT inner;
  GetClientRect(&inner);
  ::InflateRect(&inner, -1, -1);
  const CSelection keepFont(dc, m_font);

  if (m_caption.IsEmpty()) {
    CString text;
    GetWindowText(text);
    if (!text.IsEmpty()) m_caption = " " + text + " ";
  }
  const SIZE extent = m_caption.IsEmpty() ? SIZE{} : dc.GetTextExtent(m_caption, m_caption.GetLength());

  RECT caption = m_style == GroupBox ? DrawFrameStyle(dc, inner, extent) : DrawHeaderStyle(dc, inner, extent);

  const COLORREF keptColor = dc.SetTextColor(m_captionTextColor);
  const int keptMode = dc.SetBkMode(TRANSPARENT);
  dc.DrawText(m_caption, m_caption.GetLength(), &caption, DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  dc.SetBkMode(keptMode);
  dc.SetTextColor(keptColor);
}

// The clip to the caption box stays for the text: text that overhangs the box is cut at its edges.
RECT CXPGroupBox::DrawFrameStyle(CDC& dc, const RECT& inner, SIZE caption) {
  const group_box::FrameLayout layout = group_box::LayOutFrame(ToLayout(inner), ToExtent(caption), ToLayout(m_alignment));
  CPen borderPen;
  borderPen.CreatePen(PS_SOLID, 1, m_borderColor);
  const CSelection keepPen(dc, borderPen);
  const CBrush clientBrush(m_clientBackColor);
  const CSelection keepBrush(dc, clientBrush);

  dc.RoundRect(ToRect(layout.frame), 10, 10);
  const RECT box = ToRect(layout.captionBox);
  dc.IntersectClipRect(box);
  RECT fill = ToRect(layout.captionFill);
  PaintGradient(&dc, &fill, m_captionBackColor);
  if (HGDIOBJ nullBrush = ::GetStockObject(NULL_BRUSH)) dc.SelectObject(nullBrush);
  dc.RoundRect(box, 5, 5);
  return ToRect(layout.caption);
}

// The ramp is spread over the whole inner rectangle and the body covers all of it but the header band.
RECT CXPGroupBox::DrawHeaderStyle(CDC& dc, const RECT& inner, SIZE caption) {
  const group_box::HeaderLayout layout =
      group_box::LayOutHeader(ToLayout(inner), ToExtent(caption), ToLayout(m_alignment));
  const CBrush clientBrush(m_clientBackColor);
  CPen borderPen;
  borderPen.CreatePen(PS_SOLID, 1, m_borderColor);
  const CSelection keepPen(dc, borderPen);

  RECT ramp = ToRect(layout.ramp);
  PaintGradient(&dc, &ramp, m_captionBackColor);
  const CSelection keepBrush(dc, clientBrush);
  dc.Rectangle(layout.body.left, layout.body.top, layout.body.right, layout.body.bottom);
  return ToRect(layout.caption);
}

void CXPGroupBox::PaintGradient(CDC* dc, LPRECT rect, COLORREF color) {
  // Too few colours to show the steps: one solid area, outlined by the caller's pen.
  if (dc->GetDeviceCaps(BITSPIXEL) <= 16) {
    const CBrush brush(color);
    const CSelection keepBrush(*dc, brush);
    dc->Rectangle(rect->left, rect->top, rect->right, rect->bottom);
    return;
  }

  const std::array<std::uint32_t, group_box::kRampSteps> colors = group_box::RampColors(color);
  std::array<CPen, group_box::kRampSteps> pens;
  for (std::size_t step = 0; step < pens.size(); ++step) pens[step].CreatePen(PS_SOLID, 1, colors[step]);
  const CSelection keepPen(*dc, pens[0]);

  const std::vector<int> steps = group_box::RampColumnSteps(rect->right - rect->left);
  for (std::size_t column = 0; column < steps.size(); ++column) {
    const int x = rect->left + static_cast<int>(column);
    dc->SelectObject(pens[static_cast<std::size_t>(steps[column])]);
    dc->MoveTo(x, rect->top);
    dc->LineTo(x, rect->bottom);
  }
}
