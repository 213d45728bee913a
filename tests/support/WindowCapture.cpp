#include "WindowCapture.h"

#include <stdexcept>

WindowCapture::WindowCapture(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  m_width = client.right;
  m_height = client.bottom;
  if (m_width <= 0 || m_height <= 0) throw std::runtime_error("nothing to capture");

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = m_width;
  info.bmiHeader.biHeight = -m_height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC source = ::GetDC(window);
  HDC memory = ::CreateCompatibleDC(source);
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool copied = false;
  if (source && memory && bitmap) {
    HGDIOBJ kept = ::SelectObject(memory, bitmap);
    copied = ::BitBlt(memory, 0, 0, m_width, m_height, source, 0, 0, SRCCOPY) != FALSE;
    ::GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    if (copied) m_pixels.assign(first, first + static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
    ::SelectObject(memory, kept);
  }
  if (bitmap) ::DeleteObject(bitmap);
  if (memory) ::DeleteDC(memory);
  if (source) ::ReleaseDC(window, source);
  if (!copied) throw std::runtime_error("window capture failed");
}

COLORREF WindowCapture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  const std::uint32_t pixel = m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                                       static_cast<std::size_t>(x)];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
