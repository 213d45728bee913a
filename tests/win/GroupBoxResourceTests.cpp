#include "GdiObjectCount.h"
#include "GradientRamp.h"
#include "GroupBoxHarness.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>
#include <psapi.h>

#include <cstddef>
#include <vector>

namespace {

// Fills this process's GDI handle table, so that no pen, brush, font or device context can be made
// until it goes: the one real way to see a drawing resource refused.
class FullGdiTable {
public:
  FullGdiTable() {
    while (HPEN pen = ::CreatePen(PS_SOLID, 1, RGB(1, 2, 3))) m_pens.push_back(pen);
  }
  ~FullGdiTable() {
    for (HPEN pen : m_pens) ::DeleteObject(pen);
  }
  // Makes room for one object more.
  void FreeOne() {
    if (m_pens.empty()) return;
    ::DeleteObject(m_pens.back());
    m_pens.pop_back();
  }
  FullGdiTable(const FullGdiTable&) = delete;
  FullGdiTable& operator=(const FullGdiTable&) = delete;

private:
  std::vector<HPEN> m_pens;
};

// A window of this button class keeps one device context for good (CS_OWNDC), so what a paint leaves
// selected in it can be read afterwards; the system's own button class hands out a fresh one each time.
// The clip region that a frame-style paint narrows stays in it too, so its pixels are read only before that.
HWND CreateOwnDcGroupBox(HWND parent) {
  constexpr char kClass[] = "TessellariumOwnDcButton";
  WNDCLASSA windowClass{};
  if (!::GetClassInfoA(::GetModuleHandleA(nullptr), kClass, &windowClass)) {
    if (!::GetClassInfoA(nullptr, "BUTTON", &windowClass)) return nullptr;
    windowClass.style = (windowClass.style & ~CS_PARENTDC) | CS_OWNDC;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    if (!::RegisterClassA(&windowClass)) return nullptr;
  }
  return ::CreateWindowExA(0, kClass, "Own DC", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect.left, kBoxRect.top,
                           kBoxRect.right - kBoxRect.left, kBoxRect.bottom - kBoxRect.top, parent, nullptr,
                           ::GetModuleHandleA(nullptr), nullptr);
}

void Repaint(HWND window) { ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

TEST(GdiObjectCount, SeesObjectsMadeAndDeleted) {
  const std::size_t before = CountGdiObjects();
  std::vector<HPEN> leaked;
  for (int i = 0; i < 50; ++i) leaked.push_back(::CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
  EXPECT_EQ(CountGdiObjects(), before + 50);
  for (HPEN pen : leaked) ::DeleteObject(pen);
  EXPECT_EQ(CountGdiObjects(), before);
}

// What the process holds: GDI objects, kernel handles and private memory.
struct ProcessFootprint {
  std::size_t gdiObjects;
  DWORD handles;
  SIZE_T privateBytes;

  static ProcessFootprint Now() {
    ProcessFootprint footprint{CountGdiObjects(), 0, 0};
    ::GetProcessHandleCount(::GetCurrentProcess(), &footprint.handles);
    // The commit charge: private memory. Wine answers 0 for PrivateUsage but keeps this one up to date.
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    ::GetProcessMemoryInfo(::GetCurrentProcess(), &memory, sizeof memory);
    footprint.privateBytes = memory.PagefileUsage;
    return footprint;
  }
};

TEST(GroupBoxResources, TenThousandRepaintsLeaveTheProcessAsTheFirstHundredDid) {
  TestParent parent(260, 170);
  InspectableGroupBox box;
  ASSERT_TRUE(box.Create("Repainted", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, parent.Wnd(), 1));
  ApplyPalette(box, kPalette);
  const PaintCounter paints(box.m_hWnd);
  // Fonts, device contexts and the heap settle during the first paints of each style.
  for (int i = 0; i < 100; ++i) {
    box.SetGroupBoxStyle(i % 2 ? CXPGroupBox::Window : CXPGroupBox::GroupBox);
    Repaint(box.m_hWnd);
  }

  const ProcessFootprint before = ProcessFootprint::Now();
  const int paintsBefore = paints.Count();
  for (int i = 0; i < 10'000; ++i) {
    if (i == 5'000) box.SetGroupBoxStyle(CXPGroupBox::Window);
    Repaint(box.m_hWnd);
  }
  const ProcessFootprint after = ProcessFootprint::Now();
  EXPECT_GE(paints.Count() - paintsBefore, 10'000);
  EXPECT_EQ(after.gdiObjects, before.gdiObjects);
  EXPECT_EQ(after.handles, before.handles);
  // The heap may round up to a page or two; a leak of a few bytes a paint would be ten times this.
  EXPECT_LE(after.privateBytes, before.privateBytes + 16 * 1024) << "before " << before.privateBytes;
}

TEST(GroupBoxResources, FontsGoWhenReplacedAndWithTheControl) {
  TestParent parent(260, 170);
  const auto makeAndDrop = [&](int round) {
    InspectableGroupBox box;
    ASSERT_TRUE(box.Create("Fonts", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, parent.Wnd(), 1));
    box.SetFontSize(8 + round % 5).SetFontBold(round % 2).SetFontName("Tahoma", ANSI_CHARSET).SetFontItalic(1);
  };
  makeAndDrop(0);
  const std::size_t before = CountGdiObjects();
  for (int round = 1; round <= 100; ++round) makeAndDrop(round);
  EXPECT_EQ(CountGdiObjects(), before);
}

TEST(GroupBoxResources, PaintPutsBackWhatItSelected) {
  TestParent parent(260, 170);
  InspectableGroupBox box;
  ASSERT_TRUE(box.SubclassWindow(CreateOwnDcGroupBox(parent.Handle())));
  HDC dc = ::GetDC(box.m_hWnd);
  const CallerSelection caller(dc);
  for (int style : {CXPGroupBox::GroupBox, CXPGroupBox::Window}) {
    SCOPED_TRACE(style);
    box.SetGroupBoxStyle(static_cast<CXPGroupBox::GroupBoxStyle>(style));
    ASSERT_EQ(::GetDC(box.m_hWnd), dc) << "one device context for good";
    EXPECT_TRUE(DcState::Of(dc) == caller.State());
  }
  ::ReleaseDC(box.m_hWnd, dc);
}

// Above 16 bits per pixel: only the ramp's columns, no outline, and nothing at all without width.
TEST(GroupBoxResources, PaintGradientDrawsTheRampAloneAndPutsBackPenAndBrush) {
  DibCanvas canvas(80, 12);
  CDC dc(canvas.Dc());
  const CallerSelection caller(canvas.Dc());
  CXPGroupBox box;
  const auto ramp = group_box::RampColors(kPalette.captionBack);
  for (const RECT& area : {RECT{10, 2, 70, 9}, RECT{10, 2, 10, 9}, RECT{10, 2, 5, 9}}) {
    SCOPED_TRACE(area.right - area.left);
    canvas.Fill(RGB(255, 255, 255));
    RECT rect = area;
    box.PaintGradient(&dc, &rect, kPalette.captionBack);
    EXPECT_TRUE(DcState::Of(canvas.Dc()) == caller.State());
    const std::vector<int> steps = group_box::RampColumnSteps(area.right - area.left);
    for (int y = 0; y < 12; ++y) {
      for (int x = 0; x < 80; ++x) {
        const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
        const COLORREF expected =
            inside ? ramp[static_cast<std::size_t>(steps[static_cast<std::size_t>(x - area.left)])] : RGB(255, 255, 255);
        ASSERT_EQ(canvas.At(x, y), expected) << x << ", " << y;
      }
    }
  }
}

// With no room at all the paint cannot even begin; room is made one object at a time until it begins,
// when there is none left for the brush of the frame.
TEST(GroupBoxResources, APaintRefusedABrushIsAbandonedAndLeavesTheContextAsItWas) {
  TestParent parent(260, 170);
  InspectableGroupBox box;
  ASSERT_TRUE(box.SubclassWindow(CreateOwnDcGroupBox(parent.Handle())));
  HDC dc = ::GetDC(box.m_hWnd);
  const CallerSelection caller(dc);
  const RECT inner{1, 1, 199, 99};
  const CBrush scribble(RGB(255, 255, 0));
  ::FillRect(dc, &inner, scribble);
  const std::size_t before = CountGdiObjects();
  {
    FullGdiTable full;
    for (int room = 0; room < 10 && box.m_caption.IsEmpty(); ++room) {
      full.FreeOne();
      Repaint(box.m_hWnd);
      EXPECT_FALSE(::GetUpdateRect(box.m_hWnd, nullptr, FALSE)) << "an abandoned paint still counts as done";
      EXPECT_TRUE(DcState::Of(dc) == caller.State());
    }
    EXPECT_EQ(box.m_caption.str(), " Own DC ") << "the paint began and got as far as the caption";
  }
  EXPECT_EQ(CountGdiObjects(), before);
  // Captured only now: a capture needs a device context of its own.
  EXPECT_TRUE(AllPixelsAre(WindowCapture(box.m_hWnd), {1, 1, 199, 99}, RGB(255, 255, 0))) << "nothing drawn";

  Repaint(box.m_hWnd);
  EXPECT_EQ(WindowCapture(box.m_hWnd).At(1, 50), box.m_borderColor) << "paints again once there is room";
  ::ReleaseDC(box.m_hWnd, dc);
}

TEST(GroupBoxResources, WithoutRoomForAPointFontTheSizeStays) {
  TestParent parent(260, 170);
  InspectableGroupBox box;
  ASSERT_TRUE(box.Create("Sized", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, parent.Wnd(), 1));
  const LONG height = box.m_logFont.lfHeight;
  {
    const FullGdiTable full;
    box.SetFontSize(30);
  }
  EXPECT_EQ(box.m_logFont.lfHeight, height);
  box.SetFontSize(30);
  EXPECT_EQ(box.m_logFont.lfHeight, -40);
}

}  // namespace
