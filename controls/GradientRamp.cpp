#include "GradientRamp.h"

#include <algorithm>

namespace group_box {

std::array<std::uint32_t, kRampSteps> RampColors(std::uint32_t base) {
  std::array<std::uint32_t, kRampSteps> colors{};
  std::uint32_t channels[3] = {base & 0xFF, (base >> 8) & 0xFF, (base >> 16) & 0xFF};
  for (std::uint32_t& color : colors) {
    for (std::uint32_t& channel : channels) channel = std::min<std::uint32_t>(channel + 2, 255);
    color = channels[0] | (channels[1] << 8) | (channels[2] << 16);
  }
  return colors;
}

std::vector<int> RampColumnSteps(int width) {
  std::vector<int> steps;
  if (width <= 0) return steps;
  steps.reserve(static_cast<std::size_t>(width));
  // In 64 bits: 30 times a wide column index would overflow an int.
  for (int column = 0; column < width; ++column)
    steps.push_back(static_cast<int>(std::int64_t{kRampSteps} * column / width));
  return steps;
}

}  // namespace group_box
