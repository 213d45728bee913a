#include "GdiObjectCount.h"

#include <windows.h>
#include <winternl.h>

#include <cstdint>
#include <stdexcept>

namespace {

// One entry of the table as Wine lays it out in 32- and 64-bit processes alike (and 64-bit Windows
// too); an entry is in use when its type is not zero.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint32_t owner;
  std::uint16_t unique;
  std::uint8_t type;
  std::uint8_t flags;
  std::uint64_t userPointer;
};
static_assert(sizeof(GdiHandleEntry) == 24);

constexpr std::size_t kTableEntries = 0x10000;

#ifdef _WIN64
constexpr std::size_t kPebTableOffset = 0xF8;
#else
constexpr std::size_t kPebTableOffset = 0x94;
#endif

}  // namespace

std::size_t CountGdiObjects() {
  PROCESS_BASIC_INFORMATION process{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process, sizeof process, nullptr) != 0)
    throw std::runtime_error("NtQueryInformationProcess failed");
  const auto* peb = reinterpret_cast<const std::uint8_t*>(process.PebBaseAddress);
  const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebTableOffset);
  std::size_t used = 0;
  for (std::size_t index = 0; index < kTableEntries; ++index)
    if (table[index].type != 0) ++used;
  return used;
}
