#pragma once

#include <windows.h>

// A 32-bit DIB section whose rows run from the top, each pixel 0x00RRGGBB, for reading pixels back.
HBITMAP CreateTopDownDib(HDC dc, int width, int height, void** bits);
