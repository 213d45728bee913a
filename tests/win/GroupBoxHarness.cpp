#include "GroupBoxHarness.h"

#include "GradientRamp.h"
#include "TopDownDib.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr char kParentClass[] = "TessellariumTestParent";

group_box::Rect InnerRect(HWND window) {
  RECT client;
  ::GetClientRect(window, &client);
  return {client.left + 1, client.top + 1, client.right - 1, client.bottom - 1};
}

group_box::Alignment LayoutAlignment(CXPGroupBox::CaptionAlignment alignment) {
  return alignment == CXPGroupBox::Center  ? group_box::Alignment::Center
         : alignment == CXPGroupBox::Right ? group_box::Alignment::Right
                                           : group_box::Alignment::Left;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  for (int shift : {0, 8, 16})
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
      return false;
  return true;
}

std::string ColorText(COLORREF color) {
  std::ostringstream out;
  out << "RGB(" << (color & 0xFF) << ", " << ((color >> 8) & 0xFF) << ", " << ((color >> 16) & 0xFF) << ")";
  return out.str();
}

}  // namespace

std::ostream& group_box::operator<<(std::ostream& out, const Rect& rect) {
  return out << '(' << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ')';
}

void ApplyPalette(CXPGroupBox& box, const Palette& palette) {
  box.SetBorderColor(palette.border).SetBackgroundColor(palette.captionBack, palette.clientBack)
      .SetCaptionTextColor(palette.text);
}

TestParent::TestParent(int width, int height, COLORREF background, DWORD extraStyle) : m_background(background) {
  WNDCLASSA windowClass{};
  if (!::GetClassInfoA(::GetModuleHandleA(nullptr), kParentClass, &windowClass)) {
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kParentClass;
    if (!::RegisterClassA(&windowClass)) throw std::runtime_error("RegisterClass failed");
  }
  m_window.m_hWnd = ::CreateWindowExA(0, kParentClass, "", WS_POPUP | extraStyle, 60, 40, width, height, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
  if (!m_window.m_hWnd) throw std::runtime_error("CreateWindowEx failed");
  ::SetWindowLongPtrA(m_window.m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::ShowWindow(m_window.m_hWnd, SW_SHOWNOACTIVATE);
  PaintNow(m_window.m_hWnd);
}

TestParent::~TestParent() {
  ::DestroyWindow(m_window.m_hWnd);
  m_window.m_hWnd = nullptr;
}

LRESULT CALLBACK TestParent::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TestParent*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_ERASEBKGND && self) {
    RECT client;
    ::GetClientRect(window, &client);
    ::FillRect(reinterpret_cast<HDC>(wParam), &client, self->m_background);
    return 1;
  }
  if (message == WM_PAINT && self) {
    PAINTSTRUCT paint;
    ::BeginPaint(window, &paint);
    ++self->m_paints;
    self->m_lastPaint = paint.rcPaint;
    ::EndPaint(window, &paint);
    return 0;
  }
  return ::DefWindowProcA(window, message, wParam, lParam);
}

PaintCounter::PaintCounter(HWND window) : m_window(window) {
  ::SetWindowSubclass(m_window, OnMessage, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
}

PaintCounter::~PaintCounter() { ::RemoveWindowSubclass(m_window, OnMessage, reinterpret_cast<UINT_PTR>(this)); }

LRESULT CALLBACK PaintCounter::OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR counter) {
  if (message == WM_PAINT) ++reinterpret_cast<PaintCounter*>(counter)->m_count;
  return ::DefSubclassProc(window, message, wParam, lParam);
}

DcState DcState::Of(HDC dc) {
  return {::GetCurrentObject(dc, OBJ_PEN), ::GetCurrentObject(dc, OBJ_BRUSH), ::GetCurrentObject(dc, OBJ_FONT),
          ::GetTextColor(dc), ::GetBkMode(dc)};
}

bool DcState::operator==(const DcState& other) const {
  return pen == other.pen && brush == other.brush && font == other.font && textColor == other.textColor &&
         backgroundMode == other.backgroundMode;
}

CallerSelection::CallerSelection(HDC dc) : m_dc(dc) {
  LOGFONTA logFont{};
  logFont.lfHeight = -17;
  std::strcpy(logFont.lfFaceName, "Courier New");
  m_pen.CreatePen(PS_SOLID, 1, kPenColor);
  m_font.CreateFontIndirect(&logFont);
  m_keptPen = ::SelectObject(dc, m_pen);
  m_keptBrush = ::SelectObject(dc, m_brush);
  m_keptFont = ::SelectObject(dc, m_font);
  ::SetTextColor(dc, RGB(7, 8, 9));
  ::SetBkMode(dc, OPAQUE);
  m_state = DcState::Of(dc);
}

CallerSelection::~CallerSelection() {
  ::SelectObject(m_dc, m_keptPen);
  ::SelectObject(m_dc, m_keptBrush);
  ::SelectObject(m_dc, m_keptFont);
}

DibCanvas::DibCanvas(int width, int height) : m_width(width), m_height(height), m_dc(::CreateCompatibleDC(nullptr)) {
  void* bits = nullptr;
  if (m_dc) m_bitmap = CreateTopDownDib(m_dc, width, height, &bits);
  if (!m_bitmap) {
    if (m_dc) ::DeleteDC(m_dc);
    throw std::runtime_error("no DIB section");
  }
  m_bits = static_cast<std::uint32_t*>(bits);
  m_keptBitmap = ::SelectObject(m_dc, m_bitmap);
}

DibCanvas::~DibCanvas() {
  ::SelectObject(m_dc, m_keptBitmap);
  ::DeleteObject(m_bitmap);
  ::DeleteDC(m_dc);
}

void DibCanvas::Fill(COLORREF color) {
  ::GdiFlush();
  const std::uint32_t pixel = GetRValue(color) << 16 | GetGValue(color) << 8 | GetBValue(color);
  std::fill(m_bits, m_bits + static_cast<std::ptrdiff_t>(m_width) * m_height, pixel);
}

COLORREF DibCanvas::At(int x, int y) const {
  ::GdiFlush();
  const std::uint32_t pixel = m_bits[static_cast<std::ptrdiff_t>(y) * m_width + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

void PaintNow(HWND window) {
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

SIZE CaptionExtent(InspectableGroupBox& box) {
  SIZE extent{};
  if (box.m_caption.IsEmpty()) return extent;
  HDC dc = ::GetDC(box.m_hWnd);
  HGDIOBJ kept = ::SelectObject(dc, box.m_font.GetSafeHandle());
  ::GetTextExtentPoint32A(dc, box.m_caption, box.m_caption.GetLength(), &extent);
  ::SelectObject(dc, kept);
  ::ReleaseDC(box.m_hWnd, dc);
  return extent;
}

group_box::FrameLayout FrameLayoutOf(InspectableGroupBox& box) {
  const SIZE extent = CaptionExtent(box);
  return group_box::LayOutFrame(InnerRect(box.m_hWnd), {extent.cx, extent.cy}, LayoutAlignment(box.m_alignment));
}

group_box::HeaderLayout HeaderLayoutOf(InspectableGroupBox& box) {
  const SIZE extent = CaptionExtent(box);
  return group_box::LayOutHeader(InnerRect(box.m_hWnd), {extent.cx, extent.cy}, LayoutAlignment(box.m_alignment));
}

::testing::AssertionResult AllPixelsAre(const WindowCapture& capture, const group_box::Rect& area, COLORREF color,
                                        int tolerance) {
  int wrong = 0;
  std::string first;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (Near(capture.At(x, y), color, tolerance)) continue;
      if (wrong++ == 0)
        first = "(" + std::to_string(x) + ", " + std::to_string(y) + ") is " + ColorText(capture.At(x, y));
    }
  }
  if (wrong == 0) return ::testing::AssertionSuccess();
  std::ostringstream out;
  out << wrong << " pixels of " << area << " are not " << ColorText(color) << "; first " << first;
  return ::testing::AssertionFailure() << out.str();
}

::testing::AssertionResult ShowsRamp(const WindowCapture& capture, const group_box::Rect& area,
                                     const group_box::Rect& ramp, COLORREF base) {
  const auto colors = group_box::RampColors(base);
  const std::vector<int> steps = group_box::RampColumnSteps(ramp.right - ramp.left);
  for (int x = area.left; x < area.right; ++x) {
    const COLORREF expected = colors[static_cast<std::size_t>(steps.at(static_cast<std::size_t>(x - ramp.left)))];
    if (auto column = AllPixelsAre(capture, {x, area.top, x + 1, area.bottom}, expected); !column)
      return ::testing::AssertionFailure() << "ramp column " << x - ramp.left << ": " << column.message();
  }
  return ::testing::AssertionSuccess();
}

std::optional<group_box::Rect> BoundsOfColor(const WindowCapture& capture, COLORREF color) {
  std::optional<group_box::Rect> bounds;
  for (int y = 0; y < capture.Height(); ++y) {
    for (int x = 0; x < capture.Width(); ++x) {
      if (capture.At(x, y) != color) continue;
      if (!bounds) bounds = group_box::Rect{x, y, x + 1, y + 1};
      bounds->left = std::min(bounds->left, x);
      bounds->top = std::min(bounds->top, y);
      bounds->right = std::max(bounds->right, x + 1);
      bounds->bottom = std::max(bounds->bottom, y + 1);
    }
  }
  return bounds;
}

bool Contains(const group_box::Rect& outer, const group_box::Rect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}
