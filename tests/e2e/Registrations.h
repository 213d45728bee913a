#pragma once

#include "HostTable.h"
#include "PanelView.h"
#include "ScratchKey.h"

#include <array>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

// The rows that have a registration, in display order.
constexpr IdeHost kRegisteredRows[] = {IdeHost::Vs5, IdeHost::Vs6, IdeHost::VsNet, IdeHost::VsNet2003};
constexpr std::size_t kRegisteredRowCount = std::size(kRegisteredRows);

// What one row's registration holds when the program starts.
struct RowSetup {
  bool hasKey = false;
  std::optional<RawValue> value;
  bool readOnly = false;

  RowSetup ReadOnly() const;
};

RowSetup NoKey();
RowSetup KeyWithoutValue();
RowSetup Holding(DWORD type, std::string bytes);
// Text stored as REG_SZ with its NUL, as the IDEs store it.
RowSetup Text(const std::string& text);
RowSetup Dword(DWORD number);

using RowSetups = std::array<RowSetup, kRegisteredRowCount>;

// The registrations as a test sets them up. All four keys are removed again afterwards, in both registry
// views, whatever the program or the test did to them, so that no test sees another's leftovers.
class Registrations {
public:
  explicit Registrations(const RowSetups& setups);
  ~Registrations();
  Registrations(const Registrations&) = delete;
  Registrations& operator=(const Registrations&) = delete;

  // Faults for a program that has already read the registrations.
  void DeleteKey(IdeHost row);
  void MakeReadOnly(IdeHost row);
  void SetValue(IdeHost row, const RawValue& value);
  void DeleteValue(IdeHost row);

private:
  std::array<std::unique_ptr<ScratchKey>, kRegisteredRowCount> m_keys;
};

// A key and everything it holds, byte for byte.
struct KeyContents {
  std::map<std::string, RawValue> values;
  DWORD subkeys = 0;
  bool operator==(const KeyContents& other) const { return values == other.values && subkeys == other.subkeys; }
};

// The four registration keys; empty where a key does not exist.
using RegistrySnapshot = std::array<std::optional<KeyContents>, kRegisteredRowCount>;
using RowWrites = std::array<std::optional<RawValue>, kRegisteredRowCount>;

RegistrySnapshot ReadRegistrations();
// The program works in the 32-bit view only; a machine-wide key in the 64-bit view would be its mistake.
bool AnyMachineKeyIn64BitView();
// The value a row's registration reads as.
std::optional<RawValue> ReadRegistrationValue(IdeHost row);
// What OK stores for a row that shows this side.
RawValue Written(IdeHost row, Side side);
// What OK writes: the side that each row able to be switched shows.
RowWrites WritesOnOk(const ShownRows& shown);
// The registrations after the given writes, each landing only in a key that exists.
RegistrySnapshot AfterWrites(RegistrySnapshot before, const RowWrites& writes);

std::ostream& operator<<(std::ostream& out, const RawValue& value);
std::ostream& operator<<(std::ostream& out, const KeyContents& contents);
