#include "WindowCapture.h"

#include "TopDownDib.h"

#include <stdexcept>

WindowCapture::WindowCapture(HWND window) {
  RECT client{};
  ::GetClientRect(window, &client);
  Copy(window, 0, 0, client.right, client.bottom);
}

WindowCapture WindowCapture::FromScreen(HWND window) {
  RECT frame{};
  ::GetWindowRect(window, &frame);
  WindowCapture capture;
  capture.Copy(nullptr, frame.left, frame.top, frame.right - frame.left, frame.bottom - frame.top);
  return capture;
}

void WindowCapture::Copy(HWND dcOwner, int x, int y, int width, int height) {
  m_width = width;
  m_height = height;
  if (m_width <= 0 || m_height <= 0) throw std::runtime_error("nothing to capture");
  void* bits = nullptr;
  HDC source = ::GetDC(dcOwner);
  HDC memory = ::CreateCompatibleDC(source);
  HBITMAP bitmap = CreateTopDownDib(memory, m_width, m_height, &bits);
  bool copied = false;
  if (source && memory && bitmap) {
    HGDIOBJ kept = ::SelectObject(memory, bitmap);
    copied = ::BitBlt(memory, 0, 0, m_width, m_height, source, x, y, SRCCOPY) != FALSE;
    ::GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    if (copied) m_pixels.assign(first, first + static_cast<std::size_t>(m_width) * static_cast<std::size_t>(m_height));
    ::SelectObject(memory, kept);
  }
  if (bitmap) ::DeleteObject(bitmap);
  if (memory) ::DeleteDC(memory);
  if (source) ::ReleaseDC(dcOwner, source);
  if (!copied) throw std::runtime_error("window capture failed");
}

COLORREF WindowCapture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  const std::uint32_t pixel = m_pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_width) +
                                       static_cast<std::size_t>(x)];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}
