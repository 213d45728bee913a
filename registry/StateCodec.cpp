#include "StateCodec.h"

AddinState DecodeTextState(const std::string& text) {
  if (text == "1") return AddinState::On;
  if (text == "0") return AddinState::Off;
  return AddinState::Unavailable;
}

AddinState DecodeDwordState(std::uint32_t number) {
  if (number == 0) return AddinState::Off;
  if (number <= 3) return AddinState::On;
  return AddinState::Unavailable;
}

std::string EncodeTextState(AddinState state) { return state == AddinState::On ? "1" : "0"; }

// 3 sets both bits the IDE reads: load now and load at start-up.
std::uint32_t EncodeDwordState(AddinState state) { return state == AddinState::On ? 3 : 0; }
