#include "GradientRamp.h"

#include <algorithm>

namespace group_box {

std::array<std::uint32_t, kRampSteps> RampColors(std::uint32_t base) {
  std::uint32_t red = base & 0xFF;
  std::uint32_t green = (base >> 8) & 0xFF;
  std::uint32_t blue = (base >> 16) & 0xFF;
  const auto step = [](std::uint32_t& channel) { channel = std::min<std::uint32_t>(channel + 2, 255); };
  std::array<std::uint32_t, kRampSteps> colors{};
  std::generate(colors.begin(), colors.end(), [&] {
    step(red);
    step(green);
    step(blue);
    return red | (green << 8) | (blue << 16);
  });
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
