#include "GroupBoxHarness.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

namespace {

using group_box::Rect;

// A 16-bit screen keeps 5 or 6 bits of each channel: colours read back within this of what was drawn.
constexpr int kRounding = 8;

constexpr char kBlankCaption[] = "      ";

int ScreenBitsPerPixel() {
  HDC screen = ::GetDC(nullptr);
  const int bits = ::GetDeviceCaps(screen, BITSPIXEL);
  ::ReleaseDC(nullptr, screen);
  return bits;
}

class GroupBoxAt16Bits : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_EQ(ScreenBitsPerPixel(), 16) << "this program needs a screen of 16 bits per pixel";
    ASSERT_TRUE(m_box.Create("", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, m_parent.Wnd(), 1));
    ApplyPalette(m_box, kPalette);
    m_box.SetText(kBlankCaption);
  }

  WindowCapture Paint() {
    PaintNow(m_parent.Handle());
    return WindowCapture(m_box.m_hWnd);
  }

  ::testing::AssertionResult Outlined(const WindowCapture& shot, const Rect& rect) {
    for (const Rect& edge : {Rect{rect.left, rect.top, rect.right, rect.top + 1},
                             Rect{rect.left, rect.bottom - 1, rect.right, rect.bottom},
                             Rect{rect.left, rect.top, rect.left + 1, rect.bottom},
                             Rect{rect.right - 1, rect.top, rect.right, rect.bottom}}) {
      if (auto result = AllPixelsAre(shot, edge, kPalette.border, kRounding); !result) return result;
    }
    return ::testing::AssertionSuccess();
  }

  TestParent m_parent{260, 170};
  InspectableGroupBox m_box;
};

TEST_F(GroupBoxAt16Bits, TheCaptionFillIsSolidInASquareOutlineInsideTheRoundedOne) {
  const WindowCapture shot = Paint();
  const group_box::FrameLayout layout = FrameLayoutOf(m_box);
  const Rect& fill = layout.captionFill;
  const Rect& box = layout.captionBox;

  EXPECT_TRUE(Outlined(shot, fill));
  EXPECT_TRUE(AllPixelsAre(shot, {fill.left + 1, fill.top + 1, fill.right - 1, fill.bottom - 1}, kPalette.captionBack,
                           kRounding));
  // The rounded outline of the caption box runs right outside the square one.
  EXPECT_TRUE(AllPixelsAre(shot, {box.left + 3, box.top, box.right - 3, box.top + 1}, kPalette.border, kRounding));
  EXPECT_TRUE(AllPixelsAre(shot, {box.left, box.top + 3, box.left + 1, box.bottom - 3}, kPalette.border, kRounding));
  EXPECT_TRUE(AllPixelsAre(shot, {box.right - 1, box.top + 3, box.right, box.bottom - 3}, kPalette.border, kRounding));
  EXPECT_TRUE(AllPixelsAre(shot, {layout.frame.left + 1, box.bottom, layout.frame.right - 1, layout.frame.bottom - 5},
                           kPalette.clientBack, kRounding));
}

TEST_F(GroupBoxAt16Bits, TheHeaderBandIsSolidAndOutlinedAlongItsTopAndSides) {
  m_box.SetGroupBoxStyle(CXPGroupBox::Window);
  const WindowCapture shot = Paint();
  const group_box::HeaderLayout layout = HeaderLayoutOf(m_box);
  const Rect& body = layout.body;
  const Rect header{layout.ramp.left, layout.ramp.top, layout.ramp.right, body.top + 1};

  EXPECT_TRUE(Outlined(shot, header));
  EXPECT_TRUE(AllPixelsAre(shot, {header.left + 1, header.top + 1, header.right - 1, body.top}, kPalette.captionBack,
                           kRounding));
  EXPECT_TRUE(Outlined(shot, body));
  EXPECT_TRUE(AllPixelsAre(shot, {body.left + 1, body.top + 1, body.right - 1, body.bottom - 1}, kPalette.clientBack,
                           kRounding));
}

// Every memory context answers with the screen's depth, so the solid path runs on exact 32-bit pixels too.
TEST(PaintGradientAt16Bits, FillsSolidOutlinedByTheCallersPenAndPutsBackPenAndBrush) {
  ASSERT_EQ(ScreenBitsPerPixel(), 16);
  DibCanvas canvas(80, 12);
  CDC dc(canvas.Dc());
  const CallerSelection caller(canvas.Dc());
  ASSERT_EQ(dc.GetDeviceCaps(BITSPIXEL), 16);
  canvas.Fill(RGB(255, 255, 255));
  RECT rect{10, 2, 70, 9};
  CXPGroupBox().PaintGradient(&dc, &rect, kPalette.captionBack);
  EXPECT_TRUE(DcState::Of(canvas.Dc()) == caller.State());
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 80; ++x) {
      const bool inside = x >= 10 && x < 70 && y >= 2 && y < 9;
      const bool edge = inside && (x == 10 || x == 69 || y == 2 || y == 8);
      const COLORREF expected =
          edge ? CallerSelection::kPenColor : inside ? kPalette.captionBack : RGB(255, 255, 255);
      ASSERT_EQ(canvas.At(x, y), expected) << x << ", " << y;
    }
  }
}

}  // namespace
