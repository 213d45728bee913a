#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// What a window shows on its client area, read back from its device context into 32-bit pixels.
class WindowCapture {
public:
  explicit WindowCapture(HWND window);
  // The whole window, frame included, as the screen shows it.
  static WindowCapture FromScreen(HWND window);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  // Outside the capture: CLR_INVALID.
  COLORREF At(int x, int y) const;
  // Rows top to bottom, each pixel 0x00RRGGBB.
  const std::vector<std::uint32_t>& Pixels() const { return m_pixels; }

private:
  WindowCapture() = default;
  void Copy(HWND dcOwner, int x, int y, int width, int height);

  int m_width = 0;
  int m_height = 0;
  std::vector<std::uint32_t> m_pixels;
};
