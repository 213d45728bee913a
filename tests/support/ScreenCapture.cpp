#include "ScreenCapture.h"

#include <cstring>

ScreenImage CaptureFromScreen(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  ScreenImage image;
  image.width = rect.right - rect.left;
  image.height = rect.bottom - rect.top;
  image.pixels.resize(static_cast<size_t>(image.width) * image.height);

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, image.width, image.height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  std::memcpy(image.pixels.data(), bits, image.pixels.size() * sizeof(std::uint32_t));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return image;
}
