#include "PngEncoder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::uint32_t BigEndian(const std::vector<std::uint8_t>& bytes, std::size_t at) {
  return std::uint32_t{bytes.at(at)} << 24 | std::uint32_t{bytes.at(at + 1)} << 16 |
         std::uint32_t{bytes.at(at + 2)} << 8 | bytes.at(at + 3);
}

// Splits a file image into its chunks, failing the test on a bad signature or checksum.
std::map<std::string, std::vector<std::uint8_t>> ReadChunks(const std::vector<std::uint8_t>& file) {
  std::map<std::string, std::vector<std::uint8_t>> chunks;
  EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
  for (std::size_t at = 8; at < file.size();) {
    const std::uint32_t length = BigEndian(file, at);
    const std::string type(file.begin() + static_cast<std::ptrdiff_t>(at + 4),
                           file.begin() + static_cast<std::ptrdiff_t>(at + 8));
    const std::vector<std::uint8_t> data(file.begin() + static_cast<std::ptrdiff_t>(at + 8),
                                         file.begin() + static_cast<std::ptrdiff_t>(at + 8 + length));
    EXPECT_EQ(BigEndian(file, at + 8 + length), png::Crc32(file.data() + at + 4, length + 4)) << type;
    chunks[type] = data;
    at += 12 + length;
  }
  return chunks;
}

// The bytes of a zlib stream made of stored blocks, with the sizes of its blocks.
std::vector<std::uint8_t> Unstore(const std::vector<std::uint8_t>& stream, std::vector<std::size_t>& blocks) {
  EXPECT_EQ((stream.at(0) << 8 | stream.at(1)) % 31, 0) << "zlib header check";
  std::vector<std::uint8_t> raw;
  std::size_t at = 2;
  for (bool last = false; !last;) {
    last = stream.at(at) == 1;
    const std::size_t length = stream.at(at + 1) | stream.at(at + 2) << 8;
    EXPECT_EQ(length ^ 0xFFFF, static_cast<std::size_t>(stream.at(at + 3) | stream.at(at + 4) << 8));
    raw.insert(raw.end(), stream.begin() + static_cast<std::ptrdiff_t>(at + 5),
               stream.begin() + static_cast<std::ptrdiff_t>(at + 5 + length));
    blocks.push_back(length);
    at += 5 + length;
  }
  EXPECT_EQ(BigEndian(stream, at), png::Adler32(raw.data(), raw.size()));
  EXPECT_EQ(at + 4, stream.size());
  return raw;
}

TEST(PngEncoder, ChecksumsMatchTheirPublishedCheckValues) {
  const std::vector<std::uint8_t> digits = Bytes("123456789");
  EXPECT_EQ(png::Crc32(digits.data(), digits.size()), 0xCBF43926u);
  const std::vector<std::uint8_t> word = Bytes("Wikipedia");
  EXPECT_EQ(png::Adler32(word.data(), word.size()), 0x11E60398u);
}

TEST(PngEncoder, StoresEveryRowBehindANoneFilterAcrossBlocks) {
  // 601 bytes a row: 110 rows need a second stored block.
  const int width = 200;
  const int height = 110;
  std::vector<std::uint32_t> pixels;
  for (int i = 0; i < width * height; ++i) pixels.push_back(static_cast<std::uint32_t>(i * 2654435761u) & 0xFFFFFF);

  auto chunks = ReadChunks(png::Encode(width, height, pixels));
  ASSERT_EQ(chunks.size(), 3u);
  const std::vector<std::uint8_t>& header = chunks["IHDR"];
  ASSERT_EQ(header.size(), 13u);
  EXPECT_EQ(BigEndian(header, 0), 200u);
  EXPECT_EQ(BigEndian(header, 4), 110u);
  EXPECT_EQ(std::vector<std::uint8_t>(header.begin() + 8, header.end()), (std::vector<std::uint8_t>{8, 2, 0, 0, 0}));
  EXPECT_TRUE(chunks["IEND"].empty());

  std::vector<std::size_t> blocks;
  const std::vector<std::uint8_t> raw = Unstore(chunks["IDAT"], blocks);
  EXPECT_EQ(blocks, (std::vector<std::size_t>{65535, 110 * 601 - 65535}));
  ASSERT_EQ(raw.size(), 110u * 601u);
  for (std::size_t row = 0; row < 110; ++row) {
    ASSERT_EQ(raw[row * 601], 0) << "filter of row " << row;
    for (std::size_t column = 0; column < 200; ++column) {
      const std::uint32_t pixel = pixels[row * 200 + column];
      const std::size_t at = row * 601 + 1 + column * 3;
      ASSERT_EQ((std::uint32_t{raw[at]} << 16 | std::uint32_t{raw[at + 1]} << 8 | raw[at + 2]), pixel)
          << row << ", " << column;
    }
  }
}

TEST(PngEncoder, RefusesPixelsThatDoNotMatchTheSize) {
  EXPECT_THROW(png::Encode(2, 2, std::vector<std::uint32_t>(3)), std::invalid_argument);
  EXPECT_THROW(png::Encode(0, 1, {}), std::invalid_argument);
}

}  // namespace
