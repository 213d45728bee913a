// Waits for the control panel to be shown and painted, saves a PNG of it, then closes it with Cancel.
//   window_screenshot OUTPUT.png
#include "DialogWindow.h"
#include "PngEncoder.h"
#include "WindowCapture.h"

#include <cstdio>

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
  const WindowCapture image = WindowCapture::FromScreen(dialog);
  const bool saved = png::Write(argv[1], image.Width(), image.Height(), image.Pixels());
  SendMessageA(GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
  if (!saved) std::fprintf(stderr, "window_screenshot: cannot write %s\n", argv[1]);
  return saved ? 0 : 1;
}
