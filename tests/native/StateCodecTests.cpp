#include "StateCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

struct TextCase {
  std::string text;
  AddinState state;
};

TEST(StateCodec, DecodesOnlyTheExactSingleDigitTexts) {
  const TextCase cases[] = {
      {"1", AddinState::On},           {"0", AddinState::Off},          {"", AddinState::Unavailable},
      {"10", AddinState::Unavailable}, {"01", AddinState::Unavailable}, {" 1", AddinState::Unavailable},
      {"1 ", AddinState::Unavailable}, {"0 ", AddinState::Unavailable}, {"2", AddinState::Unavailable},
      {"on", AddinState::Unavailable}, {std::string("1\0", 2), AddinState::Unavailable},
  };
  for (const TextCase& c : cases) EXPECT_EQ(DecodeTextState(c.text), c.state) << '"' << c.text << '"';
}

TEST(StateCodec, DecodesLoadBehaviorNumbers) {
  const struct {
    std::uint32_t number;
    AddinState state;
  } cases[] = {
      {0, AddinState::Off},          {1, AddinState::On},           {2, AddinState::On},
      {3, AddinState::On},           {4, AddinState::Unavailable},  {5, AddinState::Unavailable},
      {7, AddinState::Unavailable},  {16, AddinState::Unavailable}, {256, AddinState::Unavailable},
      {0xFFFFFFFF, AddinState::Unavailable},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeDwordState(c.number), c.state) << c.number;
}

TEST(StateCodec, EncodesOnAndOff) {
  EXPECT_EQ(EncodeTextState(AddinState::On), "1");
  EXPECT_EQ(EncodeTextState(AddinState::Off), "0");
  EXPECT_EQ(EncodeDwordState(AddinState::On), 3u);
  EXPECT_EQ(EncodeDwordState(AddinState::Off), 0u);
}

}  // namespace
