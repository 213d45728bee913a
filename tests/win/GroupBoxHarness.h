#pragma once

#include "GroupBoxLayout.h"
#include "WindowCapture.h"
#include "XPGroupBox.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdint>
#include <optional>

// The control keeps its state to itself; the tests read it through this.
class InspectableGroupBox : public CXPGroupBox {
public:
  using CXPGroupBox::m_alignment;
  using CXPGroupBox::m_borderColor;
  using CXPGroupBox::m_caption;
  using CXPGroupBox::m_captionBackColor;
  using CXPGroupBox::m_captionTextColor;
  using CXPGroupBox::m_clientBackColor;
  using CXPGroupBox::m_font;
  using CXPGroupBox::m_logFont;
  using CXPGroupBox::m_style;
};

// Colours no default takes, and far enough apart to tell apart after a 16-bit screen rounds them.
struct Palette {
  COLORREF border;
  COLORREF captionBack;
  COLORREF clientBack;
  COLORREF text;
};
constexpr Palette kPalette{RGB(0, 0, 160), RGB(40, 80, 120), RGB(250, 240, 200), RGB(255, 0, 255)};
void ApplyPalette(CXPGroupBox& box, const Palette& palette);

// A borderless top-level window on screen, away from the screen's origin so that screen and client
// coordinates differ, filled with a colour of its own. It records its own paints. Without WS_CLIPCHILDREN
// its background shows wherever a child paints nothing, and its repaints repaint the children under them.
class TestParent {
public:
  static constexpr COLORREF kBackground = RGB(0, 128, 0);

  TestParent(int width, int height, COLORREF background = kBackground, DWORD extraStyle = 0);
  ~TestParent();
  TestParent(const TestParent&) = delete;
  TestParent& operator=(const TestParent&) = delete;

  HWND Handle() const { return m_window.m_hWnd; }
  CWnd* Wnd() { return &m_window; }
  int PaintCount() const { return m_paints; }
  RECT LastPaintRect() const { return m_lastPaint; }

private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  CBrush m_background;
  CWnd m_window;  // never bound: the window has its own procedure
  int m_paints = 0;
  RECT m_lastPaint{};
};

// Counts the paints a window receives while the counter lives.
class PaintCounter {
public:
  explicit PaintCounter(HWND window);
  ~PaintCounter();
  PaintCounter(const PaintCounter&) = delete;
  PaintCounter& operator=(const PaintCounter&) = delete;

  int Count() const { return m_count; }

private:
  static LRESULT CALLBACK OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR counter);

  HWND m_window;
  int m_count = 0;
};

// What a caller had in its device context before handing it to the paint.
struct DcState {
  HGDIOBJ pen;
  HGDIOBJ brush;
  HGDIOBJ font;
  COLORREF textColor;
  int backgroundMode;

  static DcState Of(HDC dc);
  bool operator==(const DcState& other) const;
};

// Selects drawing objects of the test's own into a device context, and takes them out before they go.
class CallerSelection {
public:
  static constexpr COLORREF kPenColor = RGB(200, 30, 30);

  explicit CallerSelection(HDC dc);
  ~CallerSelection();
  CallerSelection(const CallerSelection&) = delete;
  CallerSelection& operator=(const CallerSelection&) = delete;

  const DcState& State() const { return m_state; }

private:
  HDC m_dc;
  CPen m_pen;
  CBrush m_brush{RGB(6, 5, 4)};
  CFont m_font;
  HGDIOBJ m_keptPen;
  HGDIOBJ m_keptBrush;
  HGDIOBJ m_keptFont;
  DcState m_state{};
};

// A 32-bit picture in memory to draw on; its colours are exact whatever the screen's depth.
class DibCanvas {
public:
  DibCanvas(int width, int height);
  ~DibCanvas();
  DibCanvas(const DibCanvas&) = delete;
  DibCanvas& operator=(const DibCanvas&) = delete;

  HDC Dc() const { return m_dc; }
  void Fill(COLORREF color);
  COLORREF At(int x, int y) const;

private:
  int m_width;
  int m_height;
  HDC m_dc;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_keptBitmap = nullptr;
  std::uint32_t* m_bits = nullptr;
};

// Where the tests put the box: 200 x 100, so its inner rectangle is (1, 1, 199, 99).
constexpr RECT kBoxRect{20, 30, 220, 130};

// Paints the window and its children, now.
void PaintNow(HWND window);

// The extent the paint measures: the caption in the caption font.
SIZE CaptionExtent(InspectableGroupBox& box);
group_box::FrameLayout FrameLayoutOf(InspectableGroupBox& box);
group_box::HeaderLayout HeaderLayoutOf(InspectableGroupBox& box);

// Every pixel of the area has the colour, within a tolerance per channel for screens that round.
::testing::AssertionResult AllPixelsAre(const WindowCapture& capture, const group_box::Rect& area, COLORREF color,
                                        int tolerance = 0);
// Each column of the area shows the ramp colour of its place in the ramp's full width.
::testing::AssertionResult ShowsRamp(const WindowCapture& capture, const group_box::Rect& area,
                                     const group_box::Rect& ramp, COLORREF base);
// The smallest rectangle holding every pixel of exactly this colour, if there is any.
std::optional<group_box::Rect> BoundsOfColor(const WindowCapture& capture, COLORREF color);
bool Contains(const group_box::Rect& outer, const group_box::Rect& inner);

namespace group_box {
std::ostream& operator<<(std::ostream& out, const Rect& rect);
}  // namespace group_box
