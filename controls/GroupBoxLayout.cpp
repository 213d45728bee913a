#include "GroupBoxLayout.h"

namespace group_box {

namespace {

// Both looks centre alike; they differ only in the gap kept to the side edges.
int CaptionLeft(const Rect& inner, int cx, Alignment alignment, int leftGap, int rightGap) {
  switch (alignment) {
    case Alignment::Center:
      return inner.left + Half(inner.right - inner.left - cx);
    case Alignment::Right:
      return inner.right - rightGap - cx;
    case Alignment::Left:
      break;
  }
  return inner.left + leftGap;
}

}  // namespace

FrameLayout LayOutFrame(const Rect& inner, Extent caption, Alignment alignment) {
  const int left = CaptionLeft(inner, caption.cx, alignment, 10, 10);
  const Rect text{left, inner.top, left + caption.cx, inner.top + caption.cy + 3};
  return {text,
          {inner.left, inner.top + Half(caption.cy), inner.right, inner.bottom},
          {text.left - 2, text.top, text.right + 2, text.bottom},
          {text.left - 1, text.top + 1, text.right + 1, text.bottom - 1}};
}

HeaderLayout LayOutHeader(const Rect& inner, Extent caption, Alignment alignment) {
  const int left = CaptionLeft(inner, caption.cx, alignment, 1, 2);
  return {{left, inner.top, left + caption.cx, inner.top + caption.cy},
          inner,
          {inner.left, inner.top + caption.cy + 2, inner.right, inner.bottom}};
}

}  // namespace group_box
