// Waits for the control panel to be shown and painted, saves a PNG of it, then closes it with Cancel.
//   window_screenshot OUTPUT.png
#include "DialogWindow.h"
#include "PngEncoder.h"
#include "ScreenCapture.h"

#include <cstdio>
#include <fstream>

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: window_screenshot OUTPUT.png\n");
    return 2;
  }
  HWND dialog = WaitUntilPainted(0, 30000);
  if (!dialog) {
    std::fprintf(stderr, "window_screenshot: the control panel did not appear\n");
    return 1;
  }
  const ScreenImage image = CaptureFromScreen(dialog);
  const std::vector<std::uint8_t> png = png::Encode(image.width, image.height, image.pixels);
  std::ofstream out(argv[1], std::ios::binary);
  out.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  if (!out) std::fprintf(stderr, "window_screenshot: cannot write %s\n", argv[1]);
  return out ? 0 : 1;
}
