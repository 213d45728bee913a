#include "DriverError.h"
#include "PanelRun.h"
#include "Registrations.h"
#include "StateCodec.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kTextReadLimit = 4096;
constexpr std::size_t kNumberReadLimit = 4;
// A hanging program costs a timeout per run; after a few the rest would only repeat the news.
constexpr int kDriverFailuresBeforeGivingUp = 3;

struct BadValue {
  std::string label;
  RawValue value;
};

// Every value type, sizes around the two read limits, and fills that decode to every state somewhere.
std::vector<BadValue> BadValues() {
  const std::pair<DWORD, const char*> types[] = {{REG_SZ, "REG_SZ"},         {REG_EXPAND_SZ, "REG_EXPAND_SZ"},
                                                 {REG_MULTI_SZ, "REG_MULTI_SZ"}, {REG_BINARY, "REG_BINARY"},
                                                 {REG_DWORD, "REG_DWORD"},   {REG_QWORD, "REG_QWORD"},
                                                 {REG_NONE, "REG_NONE"}};
  const std::size_t sizes[] = {0, 1, 2, 3, 4, 5, 8, 4095, 4096, 4097};
  const struct {
    const char* label;
    char first;
    char rest;
  } fills[] = {{"'1' without NUL", '1', '1'},
               {"NULs only", '\0', '\0'},
               {"'0' then NULs", '0', '\0'},
               {"byte 2 then NULs", '\x02', '\0'}};

  std::vector<BadValue> values;
  std::set<std::pair<DWORD, std::string>> seen;
  for (const auto& [type, typeName] : types)
    for (std::size_t size : sizes)
      for (const auto& fill : fills) {
        const std::string bytes = size == 0 ? std::string() : fill.first + std::string(size - 1, fill.rest);
        if (!seen.insert({type, bytes}).second) continue;
        values.push_back({std::string(typeName) + ", " + std::to_string(size) + " bytes, " + fill.label,
                          RawValue{type, bytes}});
      }
  return values;
}

Shown ShownFor(AddinState state) {
  if (state == AddinState::On) return Shown::On;
  if (state == AddinState::Off) return Shown::Off;
  return Shown::Disabled;
}

// What a row shows for the bytes its read returns. A text row takes the bytes up to the first NUL, or all
// of them when there is none, and cannot read more than 4096; a number row cannot read more than 4 bytes
// and takes fewer as the low bytes of a number that is otherwise zero.
Shown ExpectedShown(IdeHost row, const std::optional<RawValue>& returned) {
  if (!returned) return Shown::Disabled;
  const std::string& bytes = returned->bytes;
  if (FindRegistration(row)->kind == ValueKind::Text) {
    if (bytes.size() > kTextReadLimit) return Shown::Disabled;
    return ShownFor(DecodeTextState(bytes.substr(0, bytes.find('\0'))));
  }
  if (bytes.size() > kNumberReadLimit) return Shown::Disabled;
  std::uint32_t number = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i)
    number |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
  return ShownFor(DecodeDwordState(number));
}

// One program run carries four cases, one per row, and the rows are staggered through the table so that
// each row meets every case once.
TEST(BadRegistryData, EachRowShowsWhatItsBytesDecodeToAndOkWritesOnlyThoseRows) {
  const std::vector<BadValue> values = BadValues();
  const std::size_t stride = values.size() / kRegisteredRowCount;
  int driverFailures = 0;
  for (std::size_t run = 0; run < values.size() && driverFailures < kDriverFailuresBeforeGivingUp; ++run) {
    RowSetups setups;
    std::ostringstream carried;
    for (std::size_t i = 0; i < kRegisteredRowCount; ++i) {
      const BadValue& value = values[(run + i * stride) % values.size()];
      setups[i] = Holding(value.value.type, value.value.bytes);
      carried << "\n  row " << i << ": " << value.label;
    }
    SCOPED_TRACE("run " + std::to_string(run) + carried.str());
    Registrations registrations(setups);
    const RegistrySnapshot before = ReadRegistrations();
    ShownRows expected{};
    expected.fill(Shown::Disabled);
    for (IdeHost row : kRegisteredRows)
      expected[static_cast<std::size_t>(row)] = ExpectedShown(row, ReadRegistrationValue(row));

    try {
      const RunReport report = RunPanel({{}, Ending::Ok, {}});
      EXPECT_EQ(report.atOpen, Showing(expected));
      EXPECT_EQ(report.exitCode, 0u);
      EXPECT_TRUE(report.windowClosed);
    } catch (const DriverError& error) {
      ++driverFailures;
      ADD_FAILURE() << error.what();
      continue;
    }
    EXPECT_EQ(ReadRegistrations(), AfterWrites(before, WritesOnOk(expected)));
    EXPECT_FALSE(AnyMachineKeyIn64BitView());
  }
}

}  // namespace
