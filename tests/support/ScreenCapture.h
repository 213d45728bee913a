#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// What the screen shows of a window, frame included, read back from the screen itself.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;  // rows from the top, each 0x00RRGGBB
};

ScreenImage CaptureFromScreen(HWND window);
