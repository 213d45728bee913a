#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The caption's colour ramp: 30 solid colours, each a little lighter than the one before,
// spread evenly over the columns of the area it fills.
namespace group_box {

constexpr int kRampSteps = 30;

// Colours as 0x00BBGGRR. Each channel of step k is the base's plus 2·(k + 1), stopping at 255;
// the top byte of the base is dropped.
std::array<std::uint32_t, kRampSteps> RampColors(std::uint32_t base);

// The step that colours each column of an area this wide; none when the width is not positive.
std::vector<int> RampColumnSteps(int width);

}  // namespace group_box
