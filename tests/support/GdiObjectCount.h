#pragma once

#include <cstddef>

// The number of live GDI objects of this process. GetGuiResources answers 0 under Wine, so this counts
// the used entries of the GDI handle table that the process environment block points to. Fonts and
// device contexts make cached objects on first use: count after one warm-up paint.
std::size_t CountGdiObjects();
