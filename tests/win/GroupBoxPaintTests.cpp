#include "GradientRamp.h"
#include "GroupBoxHarness.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using group_box::Rect;

constexpr CXPGroupBox::CaptionAlignment kAlignments[] = {CXPGroupBox::Left, CXPGroupBox::Center, CXPGroupBox::Right};

// A caption of spaces has a width and a height but no ink, so the ramp under it shows whole.
constexpr char kBlankCaption[] = "      ";

class GroupBoxPaint : public ::testing::Test {
protected:
  GroupBoxPaint() : m_parent(260, 170) {
    EXPECT_TRUE(m_box.Create("", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, m_parent.Wnd(), 1));
    ApplyPalette(m_box, kPalette);
  }

  WindowCapture Paint() {
    PaintNow(m_parent.Handle());
    return WindowCapture(m_box.m_hWnd);
  }

  TestParent m_parent;
  InspectableGroupBox m_box;
};

// What the paint leaves alone shows the parent's background: the 1-pixel margin around the inner rectangle.
void ExpectMarginUnpainted(const WindowCapture& shot) {
  EXPECT_TRUE(AllPixelsAre(shot, {0, 0, 200, 1}, TestParent::kBackground));
  EXPECT_TRUE(AllPixelsAre(shot, {0, 99, 200, 100}, TestParent::kBackground));
  EXPECT_TRUE(AllPixelsAre(shot, {0, 0, 1, 100}, TestParent::kBackground));
  EXPECT_TRUE(AllPixelsAre(shot, {199, 0, 200, 100}, TestParent::kBackground));
}

TEST_F(GroupBoxPaint, FrameStyleDrawsARoundedFrameWithTheCaptionBoxOnItsTopEdge) {
  m_box.SetText(kBlankCaption);
  for (CXPGroupBox::CaptionAlignment alignment : kAlignments) {
    SCOPED_TRACE(alignment);
    m_box.SetAlignment(alignment);
    const WindowCapture shot = Paint();
    const group_box::FrameLayout layout = FrameLayoutOf(m_box);
    const Rect& frame = layout.frame;
    const Rect& box = layout.captionBox;
    ASSERT_GT(frame.top, box.top) << "the frame's top edge runs through the caption box";

    // The ramp fills the caption box and covers the frame's top edge there.
    EXPECT_TRUE(ShowsRamp(shot, layout.captionFill, layout.captionFill, kPalette.captionBack));
    // Outlines in the border colour, rounded corners aside.
    EXPECT_TRUE(AllPixelsAre(shot, {box.left + 3, box.top, box.right - 3, box.top + 1}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {box.left + 3, box.bottom - 1, box.right - 3, box.bottom}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {box.left, box.top + 3, box.left + 1, box.bottom - 3}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {box.right - 1, box.top + 3, box.right, box.bottom - 3}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {frame.left + 6, frame.top, box.left, frame.top + 1}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {box.right, frame.top, frame.right - 6, frame.top + 1}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {frame.left + 6, frame.bottom - 1, frame.right - 6, frame.bottom}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {frame.left, frame.top + 6, frame.left + 1, frame.bottom - 6}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {frame.right - 1, frame.top + 6, frame.right, frame.bottom - 6}, kPalette.border));
    // The body in the client colour, out to the rounded corners.
    EXPECT_TRUE(AllPixelsAre(shot, {frame.left + 1, box.bottom, frame.right - 1, frame.bottom - 5}, kPalette.clientBack));
    EXPECT_TRUE(AllPixelsAre(shot, {frame.left + 5, frame.bottom - 5, frame.right - 5, frame.bottom - 1},
                             kPalette.clientBack));
    EXPECT_EQ(shot.At(frame.right - 4, frame.bottom - 4), kPalette.clientBack);
    // Nothing beyond the frame: the corners outside its rounding and the band beside the caption box.
    EXPECT_EQ(shot.At(frame.left, frame.bottom - 1), TestParent::kBackground);
    EXPECT_EQ(shot.At(frame.right - 1, frame.top), TestParent::kBackground);
    EXPECT_TRUE(AllPixelsAre(shot, {frame.left, 1, box.left, frame.top}, TestParent::kBackground));
    EXPECT_TRUE(AllPixelsAre(shot, {box.right, 1, frame.right, frame.top}, TestParent::kBackground));
    ExpectMarginUnpainted(shot);
  }
}

TEST_F(GroupBoxPaint, EveryNonZeroStyleDrawsAHeaderBandOverASquareBody) {
  m_box.SetText(kBlankCaption);
  for (int style : {1, 2, -1, 5}) {
    SCOPED_TRACE(style);
    m_box.SetGroupBoxStyle(static_cast<CXPGroupBox::GroupBoxStyle>(style));
    const WindowCapture shot = Paint();
    const group_box::HeaderLayout layout = HeaderLayoutOf(m_box);
    const Rect& body = layout.body;
    ASSERT_GT(body.top, layout.ramp.top + 2) << "a header band of some height";

    // Above 16 bits per pixel the band is all ramp, with no outline; its steps spread over the full width.
    EXPECT_TRUE(ShowsRamp(shot, {layout.ramp.left, layout.ramp.top, layout.ramp.right, body.top}, layout.ramp,
                          kPalette.captionBack));
    EXPECT_TRUE(AllPixelsAre(shot, {body.left, body.top, body.right, body.top + 1}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {body.left, body.bottom - 1, body.right, body.bottom}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {body.left, body.top, body.left + 1, body.bottom}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {body.right - 1, body.top, body.right, body.bottom}, kPalette.border));
    EXPECT_TRUE(AllPixelsAre(shot, {body.left + 1, body.top + 1, body.right - 1, body.bottom - 1},
                             kPalette.clientBack));
    ExpectMarginUnpainted(shot);
  }
}

TEST_F(GroupBoxPaint, AnEmptyCaptionStillGetsItsSmallBox) {
  const WindowCapture shot = Paint();
  EXPECT_TRUE(m_box.m_caption.IsEmpty());
  // The frame starts at the top of the inner rectangle; the fill is two columns of one row: steps 0 and 15.
  const auto ramp = group_box::RampColors(kPalette.captionBack);
  EXPECT_EQ(shot.At(10, 2), ramp[0]);
  EXPECT_EQ(shot.At(11, 2), ramp[15]);
  EXPECT_TRUE(AllPixelsAre(shot, {13, 1, 193, 2}, kPalette.border));
  EXPECT_TRUE(AllPixelsAre(shot, {9, 2, 10, 3}, kPalette.border));
  EXPECT_TRUE(AllPixelsAre(shot, {12, 2, 13, 3}, kPalette.border));
}

TEST_F(GroupBoxPaint, CaptionTextLiesInItsCaptionRectangle) {
  m_box.SetText("Wq");
  for (int style : {CXPGroupBox::GroupBox, CXPGroupBox::Window}) {
    for (CXPGroupBox::CaptionAlignment alignment : kAlignments) {
      SCOPED_TRACE(::testing::Message() << "style " << style << ", alignment " << alignment);
      m_box.SetGroupBoxStyle(static_cast<CXPGroupBox::GroupBoxStyle>(style)).SetAlignment(alignment);
      const WindowCapture shot = Paint();
      const Rect caption = style == CXPGroupBox::GroupBox ? FrameLayoutOf(m_box).caption : HeaderLayoutOf(m_box).caption;
      const auto ink = BoundsOfColor(shot, kPalette.text);
      ASSERT_TRUE(ink.has_value()) << "no text drawn";
      EXPECT_TRUE(Contains(caption, *ink)) << "text at " << *ink << ", caption rectangle " << caption;
    }
  }
}

// A font turned a quarter turn draws its text downwards from the caption's left end, out of the caption
// box, in any typeface. The caption is short, so that its left end lies inside the control.
TEST_F(GroupBoxPaint, TextOverhangingTheCaptionBoxIsCutOnlyInTheFrameStyle) {
  LOGFONTA turned{};
  turned.lfHeight = -24;
  turned.lfWeight = FW_BOLD;
  turned.lfEscapement = 2700;
  turned.lfOrientation = 2700;
  turned.lfCharSet = DEFAULT_CHARSET;
  std::strcpy(turned.lfFaceName, "Tahoma");
  m_box.SetCaptionFont(turned).SetText("Turn").SetAlignment(CXPGroupBox::Center);

  const WindowCapture frameShot = Paint();
  const Rect box = FrameLayoutOf(m_box).captionBox;
  const auto clipped = BoundsOfColor(frameShot, kPalette.text);
  if (clipped) {
    EXPECT_TRUE(Contains(box, *clipped)) << "text at " << *clipped << ", caption box " << box;
  }

  m_box.SetGroupBoxStyle(CXPGroupBox::Window);
  const WindowCapture headerShot = Paint();
  const Rect caption = HeaderLayoutOf(m_box).caption;
  const auto uncut = BoundsOfColor(headerShot, kPalette.text);
  ASSERT_TRUE(uncut.has_value()) << "no text drawn";
  EXPECT_GT(uncut->bottom, caption.bottom + 30) << "text at " << *uncut << " does not reach into the body";
}

TEST(GroupBoxCaption, FirstPaintAdoptsTheWindowTextOnce) {
  TestParent parent(260, 170);
  InspectableGroupBox named;
  ASSERT_TRUE(named.Create("Caption", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, parent.Wnd(), 1));
  EXPECT_TRUE(named.m_caption.IsEmpty()) << "not before the first paint";
  PaintNow(parent.Handle());
  EXPECT_EQ(named.m_caption.str(), " Caption ");
  ::SetWindowTextA(named.m_hWnd, "Changed");
  PaintNow(parent.Handle());
  EXPECT_EQ(named.m_caption.str(), " Caption ");
}

TEST(GroupBoxCaption, AnEmptyWindowTextIsReadAgainAtEveryPaint) {
  TestParent parent(260, 170);
  InspectableGroupBox unnamed;
  ASSERT_TRUE(unnamed.Create("", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBoxRect, parent.Wnd(), 1));
  PaintNow(parent.Handle());
  EXPECT_TRUE(unnamed.m_caption.IsEmpty());
  ::SetWindowTextA(unnamed.m_hWnd, "Later");
  PaintNow(parent.Handle());
  EXPECT_EQ(unnamed.m_caption.str(), " Later ");
}

}  // namespace
