#pragma once

// Where the group box puts its frame, caption and ramp: plain arithmetic on client coordinates,
// right and bottom exclusive, nothing clamped.
namespace group_box {

struct Rect {
  int left;
  int top;
  int right;
  int bottom;

  bool operator==(const Rect& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

struct Extent {
  int cx;
  int cy;
};

enum class Alignment { Left, Center, Right };

// A rounded frame whose top edge runs at half the caption's height, the caption in a small box on it.
struct FrameLayout {
  Rect caption;
  Rect frame;
  Rect captionBox;
  Rect captionFill;
};

// A header band across the top, holding the caption, over a square body.
struct HeaderLayout {
  Rect caption;
  Rect ramp;
  Rect body;
};

// Halves toward zero, so a caption wider than the box is centred on the same pixel from either side.
constexpr int Half(int n) { return n / 2; }

FrameLayout LayOutFrame(const Rect& inner, Extent caption, Alignment alignment);
HeaderLayout LayOutHeader(const Rect& inner, Extent caption, Alignment alignment);

}  // namespace group_box
