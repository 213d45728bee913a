#pragma once

#include "AddinState.h"

#include <cstdint>
#include <string>

// A DevStudio registration holds the text "1" or "0"; anything else is not ours to switch.
AddinState DecodeTextState(const std::string& text);

// A LoadBehavior of 0 is off; 1 to 3 load the add-in at start-up.
AddinState DecodeDwordState(std::uint32_t number);

// On and Off only; an Unavailable row is never written.
std::string EncodeTextState(AddinState state);
std::uint32_t EncodeDwordState(AddinState state);
