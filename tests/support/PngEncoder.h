#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A PNG file image of 8-bit RGB pixels, its image data in uncompressed (stored) deflate blocks:
// enough to look at a screenshot, and no library needed.
namespace png {

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

// Pixels row by row from the top, each 0x00RRGGBB; there must be width * height of them.
std::vector<std::uint8_t> Encode(int width, int height, const std::vector<std::uint32_t>& pixels);

// Encodes and writes the file; false when it cannot be written.
bool Write(const char* path, int width, int height, const std::vector<std::uint32_t>& pixels);

}  // namespace png
