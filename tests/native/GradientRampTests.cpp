#include "GradientRamp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace group_box {
namespace {

constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return r | (g << 8) | (b << 16); }

TEST(GradientRamp, EachChannelStepsByTwoAndStopsAt255) {
  const struct {
    std::uint32_t base;
    int step;
    std::uint32_t color;
  } cases[] = {
      // Channel values 0, 195 and 200, one in each channel, so that a mix-up of channels shows.
      {Rgb(0, 195, 200), 0, Rgb(2, 197, 202)},
      {Rgb(0, 195, 200), 1, Rgb(4, 199, 204)},
      {Rgb(0, 195, 200), 26, Rgb(54, 249, 254)},
      {Rgb(0, 195, 200), 27, Rgb(56, 251, 255)},
      {Rgb(0, 195, 200), 28, Rgb(58, 253, 255)},
      {Rgb(0, 195, 200), 29, Rgb(60, 255, 255)},
      {Rgb(200, 0, 195), 29, Rgb(255, 60, 255)},
      {Rgb(195, 200, 0), 26, Rgb(249, 254, 54)},
      // 253 + 2 reaches 255 exactly, 254 + 2 would pass it, 255 stays.
      {Rgb(253, 254, 255), 0, Rgb(255, 255, 255)},
      {Rgb(253, 254, 255), 29, Rgb(255, 255, 255)},
      {Rgb(254, 255, 253), 14, Rgb(255, 255, 255)},
      // The top byte of the base is dropped.
      {0xFF000000u | Rgb(10, 20, 30), 0, Rgb(12, 22, 32)},
      {0x02FFFFFFu, 29, Rgb(255, 255, 255)},
  };
  for (const auto& c : cases)
    EXPECT_EQ(RampColors(c.base)[static_cast<std::size_t>(c.step)], c.color)
        << std::hex << "base 0x" << c.base << std::dec << " step " << c.step;
}

TEST(GradientRamp, ColumnsShareTheStepsEvenly) {
  std::vector<int> sixty;
  for (int step = 0; step < kRampSteps; ++step) sixty.insert(sixty.end(), {step, step});
  std::vector<int> thirty;
  for (int step = 0; step < kRampSteps; ++step) thirty.push_back(step);
  std::vector<int> thirtyOne{0};
  thirtyOne.insert(thirtyOne.end(), thirty.begin(), thirty.end());

  const struct {
    int width;
    std::vector<int> steps;
  } cases[] = {
      {1, {0}},
      {7, {0, 4, 8, 12, 17, 21, 25}},
      {30, thirty},
      {31, thirtyOne},
      {60, sixty},
      {0, {}},
      {-5, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(RampColumnSteps(c.width), c.steps) << "width " << c.width;
}

}  // namespace
}  // namespace group_box
