#include "IconPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(IconPlacement, CentresTheIconTruncatingTowardZero) {
  const struct {
    int clientWidth, clientHeight, x, y;
  } cases[] = {
      {100, 20, 34, -5},  // -11 / 2 is -5, not -6
      {32, 32, 0, 0},
      {33, 31, 1, 0},
      {0, 0, -15, -15},
  };
  for (const auto& c : cases) {
    const IconOrigin origin = CentredIconOrigin(c.clientWidth, c.clientHeight, 32, 32);
    EXPECT_EQ(origin.x, c.x) << c.clientWidth;
    EXPECT_EQ(origin.y, c.y) << c.clientHeight;
  }
}

}  // namespace
