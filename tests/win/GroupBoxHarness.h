#pragma once

#include "GroupBoxLayout.h"
#include "WindowCapture.h"
#include "XPGroupBox.h"

#include <gtest/gtest.h>

#include <windows.h>

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
// coordinates differ, filled with a colour of its own. It records its own paints.
class TestParent {
public:
  static constexpr COLORREF kBackground = RGB(0, 128, 0);

  TestParent(int width, int height, COLORREF background = kBackground);
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

std::ostream& operator<<(std::ostream& out, const group_box::Rect& rect);
