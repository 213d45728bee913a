#include "GroupBoxHarness.h"
#include "PngEncoder.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// Both looks in all three alignments, as the control panel would show them, saved as a PNG to look at.
TEST(GroupBoxPicture, ShowsBothStylesInEveryAlignment) {
  const char* path = std::getenv("TESSELLARIUM_GROUP_BOX_PICTURE");
  ASSERT_NE(path, nullptr) << "set TESSELLARIUM_GROUP_BOX_PICTURE to the PNG to write";

  constexpr int kGap = 20;
  constexpr int kWidth = 200;
  constexpr int kHeight = 100;
  TestParent parent(2 * kWidth + 3 * kGap, 3 * kHeight + 4 * kGap, RGB(255, 255, 255));

  LOGFONTA font{};
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(font.lfFaceName, "Tahoma", LF_FACESIZE);

  const struct {
    CXPGroupBox::CaptionAlignment alignment;
    const char* caption;
  } rows[] = {{CXPGroupBox::Left, "Left"}, {CXPGroupBox::Center, "Center"}, {CXPGroupBox::Right, "Right"}};
  std::vector<std::unique_ptr<CXPGroupBox>> boxes;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 2; ++column) {
      const int x = kGap + column * (kWidth + kGap);
      const int y = kGap + row * (kHeight + kGap);
      auto& box = *boxes.emplace_back(std::make_unique<CXPGroupBox>());
      ASSERT_TRUE(box.Create(rows[row].caption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, {x, y, x + kWidth, y + kHeight},
                             parent.Wnd(), 100 + static_cast<UINT>(boxes.size())));
      box.SetCaptionFont(font)
          .SetGroupBoxStyle(column == 0 ? CXPGroupBox::GroupBox : CXPGroupBox::Window)
          .SetAlignment(rows[row].alignment);
      // A caption colour well below white, so that the ramp shows.
      box.SetBackgroundColor(RGB(150, 180, 230), RGB(255, 255, 255));
    }
  }
  PaintNow(parent.Handle());

  const WindowCapture capture(parent.Handle());
  EXPECT_TRUE(png::Write(path, capture.Width(), capture.Height(), capture.Pixels())) << "could not write " << path;
}

}  // namespace
