// Times one full paint of the themed group box against the system's plain group box of the same size.
//   paint_benchmark [PAINTS]
#include "XPGroupBox.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr RECT kBox = {10, 10, 410, 260};  // about the control panel's group box at 96 pixels per inch
constexpr char kCaption[] = "Tessellarium startup execution";

double Now() {
  LARGE_INTEGER frequency, value;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&value);
  return static_cast<double>(value.QuadPart) * 1e6 / static_cast<double>(frequency.QuadPart);
}

// Microseconds per paint: the median over batches, so that a stall of the machine does not count.
double TimePaints(HWND window, int paints) {
  constexpr int kBatches = 20;
  std::vector<double> perPaint;
  for (int batch = 0; batch < kBatches; ++batch) {
    const double start = Now();
    for (int i = 0; i < paints / kBatches; ++i)
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    GdiFlush();
    perPaint.push_back((Now() - start) / (paints / kBatches));
  }
  std::sort(perPaint.begin(), perPaint.end());
  return perPaint[perPaint.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const int paints = argc > 1 ? std::atoi(argv[1]) : 2000;
  HWND parent = CreateWindowExA(0, "STATIC", "paint benchmark", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 440, 300,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  CWnd parentWindow;
  parentWindow.m_hWnd = parent;

  HWND plain = CreateWindowExA(0, "BUTTON", kCaption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBox.left, kBox.top,
                               kBox.right - kBox.left, kBox.bottom - kBox.top, parent, nullptr, nullptr, nullptr);
  const double plainMicroseconds = TimePaints(plain, paints);
  DestroyWindow(plain);

  CXPGroupBox themed;
  themed.Create(kCaption, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, kBox, &parentWindow, 1010);
  themed.SetClientBackgroundColor(RGB(255, 255, 255));
  const double themedMicroseconds = TimePaints(themed.m_hWnd, paints);

  std::printf("one paint of a %ld x %ld group box (median of batches, %d paints each kind):\n",
              kBox.right - kBox.left, kBox.bottom - kBox.top, paints);
  std::printf("  themed group box  %8.1f us\n  plain BS_GROUPBOX %8.1f us\n  ratio             %8.2f\n",
              themedMicroseconds, plainMicroseconds, themedMicroseconds / plainMicroseconds);
  parentWindow.m_hWnd = nullptr;
  DestroyWindow(parent);
  return 0;
}
