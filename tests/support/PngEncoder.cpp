#include "PngEncoder.h"

#include <fstream>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>

namespace png {

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < table.size(); ++n) {
    std::uint32_t c = n;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// Length, type, data, and the CRC over type and data.
void PutChunk(std::vector<std::uint8_t>& out, const char (&type)[5], const std::vector<std::uint8_t>& data) {
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  PutBigEndian(out, Crc32(out.data() + typeStart, out.size() - typeStart));
}

// A zlib stream of stored blocks, each at most 65535 bytes.
std::vector<std::uint8_t> StoreInZlib(const std::vector<std::uint8_t>& raw) {
  constexpr std::size_t kMaxBlock = 0xFFFF;
  std::vector<std::uint8_t> out{0x78, 0x01};
  std::size_t offset = 0;
  do {
    const std::size_t length = std::min(kMaxBlock, raw.size() - offset);
    const bool last = offset + length == raw.size();
    out.push_back(last ? 1 : 0);
    out.push_back(static_cast<std::uint8_t>(length & 0xFF));
    out.push_back(static_cast<std::uint8_t>(length >> 8));
    out.push_back(static_cast<std::uint8_t>(~length & 0xFF));
    out.push_back(static_cast<std::uint8_t>((~length >> 8) & 0xFF));
    out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
               raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
    offset += length;
  } while (offset < raw.size());
  PutBigEndian(out, Adler32(raw.data(), raw.size()));
  return out;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
  static const std::array<std::uint32_t, 256> table = MakeCrcTable();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

std::uint32_t Adler32(const std::uint8_t* data, std::size_t size) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (std::size_t i = 0; i < size; ++i) {
    a = (a + data[i]) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> Encode(int width, int height, const std::vector<std::uint32_t>& pixels) {
  if (width <= 0 || height <= 0 || pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
    throw std::invalid_argument("pixels do not match the size " + std::to_string(width) + " x " + std::to_string(height));

  // Every row starts with filter type 0, none.
  std::vector<std::uint8_t> raw;
  raw.reserve(pixels.size() * 3 + static_cast<std::size_t>(height));
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    if (i % static_cast<std::size_t>(width) == 0) raw.push_back(0);
    raw.push_back(static_cast<std::uint8_t>(pixels[i] >> 16));
    raw.push_back(static_cast<std::uint8_t>(pixels[i] >> 8));
    raw.push_back(static_cast<std::uint8_t>(pixels[i]));
  }

  std::vector<std::uint8_t> header;
  PutBigEndian(header, static_cast<std::uint32_t>(width));
  PutBigEndian(header, static_cast<std::uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8 bits per channel, RGB, deflate, adaptive filters, no interlace

  std::vector<std::uint8_t> file{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(file, "IHDR", header);
  PutChunk(file, "IDAT", StoreInZlib(raw));
  PutChunk(file, "IEND", {});
  return file;
}

bool Write(const char* path, int width, int height, const std::vector<std::uint32_t>& pixels) {
  const std::vector<std::uint8_t> file = Encode(width, height, pixels);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  return static_cast<bool>(out);
}

}  // namespace png
