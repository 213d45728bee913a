#include "GroupBoxLayout.h"

#include <gtest/gtest.h>

#include <ostream>

namespace group_box {

std::ostream& operator<<(std::ostream& out, const Rect& r) {
  return out << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

namespace {

// A 200 x 100 client area.
constexpr Rect kInner{1, 1, 199, 99};

TEST(GroupBoxLayout, FrameStyleOfTheWorkedExample) {
  const struct {
    Alignment alignment;
    FrameLayout expected;
  } cases[] = {
      {Alignment::Left, {{11, 1, 71, 17}, {1, 7, 199, 99}, {9, 1, 73, 17}, {10, 2, 72, 16}}},
      {Alignment::Center, {{70, 1, 130, 17}, {1, 7, 199, 99}, {68, 1, 132, 17}, {69, 2, 131, 16}}},
      {Alignment::Right, {{129, 1, 189, 17}, {1, 7, 199, 99}, {127, 1, 191, 17}, {128, 2, 190, 16}}},
  };
  for (const auto& c : cases) {
    const FrameLayout layout = LayOutFrame(kInner, {60, 13}, c.alignment);
    SCOPED_TRACE(static_cast<int>(c.alignment));
    EXPECT_EQ(layout.caption, c.expected.caption);
    EXPECT_EQ(layout.frame, c.expected.frame);
    EXPECT_EQ(layout.captionBox, c.expected.captionBox);
    EXPECT_EQ(layout.captionFill, c.expected.captionFill);
  }
}

TEST(GroupBoxLayout, HeaderStyleOfTheWorkedExample) {
  const struct {
    Alignment alignment;
    Rect caption;
  } cases[] = {
      {Alignment::Left, {2, 1, 62, 14}},
      {Alignment::Center, {70, 1, 130, 14}},
      {Alignment::Right, {137, 1, 197, 14}},
  };
  for (const auto& c : cases) {
    const HeaderLayout layout = LayOutHeader(kInner, {60, 13}, c.alignment);
    SCOPED_TRACE(static_cast<int>(c.alignment));
    EXPECT_EQ(layout.caption, c.caption);
    EXPECT_EQ(layout.ramp, kInner);
    EXPECT_EQ(layout.body, (Rect{1, 16, 199, 99}));
  }
}

TEST(GroupBoxLayout, CentringTruncatesTowardZero) {
  EXPECT_EQ(Half(137), 68);
  EXPECT_EQ(Half(-53), -26);
  EXPECT_EQ(Half(-1), 0);

  // Inner width 198 and an odd remainder of 137.
  EXPECT_EQ(LayOutFrame(kInner, {61, 13}, Alignment::Center).caption.left, kInner.left + 68);
  EXPECT_EQ(LayOutHeader(kInner, {61, 13}, Alignment::Center).caption.left, kInner.left + 68);
}

TEST(GroupBoxLayout, CaptionWiderThanTheBoxIsNotClamped) {
  const Extent wide{251, 13};
  EXPECT_EQ(LayOutFrame(kInner, wide, Alignment::Center).caption, (Rect{-25, 1, 226, 17}));
  EXPECT_EQ(LayOutHeader(kInner, wide, Alignment::Center).caption, (Rect{-25, 1, 226, 14}));
  EXPECT_EQ(LayOutFrame(kInner, wide, Alignment::Right).caption, (Rect{-62, 1, 189, 17}));
  EXPECT_EQ(LayOutHeader(kInner, wide, Alignment::Right).caption, (Rect{-54, 1, 197, 14}));
  EXPECT_EQ(LayOutFrame(kInner, wide, Alignment::Left).caption, (Rect{11, 1, 262, 17}));
}

TEST(GroupBoxLayout, EmptyCaptionStillGetsItsSmallBox) {
  const FrameLayout frame = LayOutFrame(kInner, {0, 0}, Alignment::Left);
  EXPECT_EQ(frame.frame, kInner);
  EXPECT_EQ(frame.captionBox, (Rect{9, 1, 13, 4}));
  EXPECT_EQ(frame.captionFill, (Rect{10, 2, 12, 3}));

  const HeaderLayout header = LayOutHeader(kInner, {0, 0}, Alignment::Left);
  EXPECT_EQ(header.caption, (Rect{2, 1, 2, 1}));
  EXPECT_EQ(header.body, (Rect{1, 3, 199, 99}));
}

}  // namespace
}  // namespace group_box
