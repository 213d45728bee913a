#include "Registrations.h"

#include <algorithm>
#include <iomanip>
#include <stdexcept>
#include <vector>

namespace {

HostRegistration RegistrationOf(IdeHost row) {
  const auto registration = FindRegistration(row);
  if (!registration) throw std::logic_error("row without a registration");
  return *registration;
}

bool IsMachineWide(IdeHost row) { return RegistrationOf(row).root == RegistryRoot::LocalMachine; }

HKEY RootOf(IdeHost row) { return IsMachineWide(row) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER; }

const char* PathOf(IdeHost row) { return RegistrationOf(row).keyPath; }

std::size_t IndexOf(IdeHost row) { return static_cast<std::size_t>(row); }

void Check(LSTATUS status, const char* what) {
  if (status != ERROR_SUCCESS) throw std::runtime_error(std::string(what) + " failed: " + std::to_string(status));
}

std::optional<KeyContents> ReadKeyContents(HKEY root, const std::string& path) {
  HKEY key = nullptr;
  const LSTATUS opened = RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | kProgramView, &key);
  if (opened == ERROR_FILE_NOT_FOUND) return std::nullopt;
  Check(opened, "RegOpenKeyExA(KEY_READ)");
  KeyContents contents;
  DWORD valueCount = 0;
  DWORD longestName = 0;
  DWORD longestData = 0;
  LSTATUS status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &contents.subkeys, nullptr, nullptr, &valueCount,
                                    &longestName, &longestData, nullptr, nullptr);
  for (DWORD i = 0; status == ERROR_SUCCESS && i < valueCount; ++i) {
    std::vector<char> name(longestName + 1);
    std::string data(longestData, '\0');
    DWORD nameSize = static_cast<DWORD>(name.size());
    DWORD dataSize = longestData;
    RawValue value{};
    status = RegEnumValueA(key, i, name.data(), &nameSize, nullptr, &value.type, reinterpret_cast<BYTE*>(data.data()),
                           &dataSize);
    value.bytes = data.substr(0, dataSize);
    contents.values[std::string(name.data(), nameSize)] = value;
  }
  RegCloseKey(key);
  Check(status, "reading a key's values");
  return contents;
}

const char* TypeName(DWORD type) {
  switch (type) {
    case REG_NONE:
      return "REG_NONE";
    case REG_SZ:
      return "REG_SZ";
    case REG_EXPAND_SZ:
      return "REG_EXPAND_SZ";
    case REG_BINARY:
      return "REG_BINARY";
    case REG_DWORD:
      return "REG_DWORD";
    case REG_MULTI_SZ:
      return "REG_MULTI_SZ";
    case REG_QWORD:
      return "REG_QWORD";
  }
  return "type?";
}

}  // namespace

RowSetup RowSetup::ReadOnly() const {
  RowSetup copy = *this;
  copy.readOnly = true;
  return copy;
}

RowSetup NoKey() { return RowSetup{}; }

RowSetup KeyWithoutValue() { return RowSetup{true, std::nullopt, false}; }

RowSetup Holding(DWORD type, std::string bytes) { return RowSetup{true, RawValue{type, std::move(bytes)}, false}; }

RowSetup Text(const std::string& text) { return Holding(REG_SZ, text + '\0'); }

RowSetup Dword(DWORD number) { return Holding(REG_DWORD, DwordBytes(number)); }

Registrations::Registrations(const RowSetups& setups) {
  for (IdeHost row : kRegisteredRows) {
    const RowSetup& setup = setups[IndexOf(row)];
    const HostRegistration registration = RegistrationOf(row);
    DeleteKeyTree(RootOf(row), registration.keyPath);
    if (!setup.hasKey) continue;
    auto& key = m_keys[IndexOf(row)];
    key = std::make_unique<ScratchKey>(RootOf(row), registration.keyPath);
    if (setup.value) key->SetValue(registration.valueName, setup.value->type, setup.value->bytes);
    if (setup.readOnly) key->MakeReadOnly();
  }
}

Registrations::~Registrations() {
  for (auto& key : m_keys) key.reset();
  try {
    for (IdeHost row : kRegisteredRows) {
      DeleteKeyTree(RootOf(row), PathOf(row));
      if (IsMachineWide(row)) DeleteKeyTree(HKEY_LOCAL_MACHINE, PathOf(row), KEY_WOW64_64KEY);
    }
  } catch (const std::exception&) {
    // A key that cannot go shows up as a failure of the next test's set-up, which deletes it too.
  }
}

void Registrations::DeleteKey(IdeHost row) { DeleteKeyTree(RootOf(row), PathOf(row)); }

void Registrations::MakeReadOnly(IdeHost row) { m_keys[IndexOf(row)]->MakeReadOnly(); }

void Registrations::SetValue(IdeHost row, const RawValue& value) {
  m_keys[IndexOf(row)]->SetValue(RegistrationOf(row).valueName, value.type, value.bytes);
}

void Registrations::DeleteValue(IdeHost row) {
  HKEY key = nullptr;
  Check(RegOpenKeyExA(RootOf(row), PathOf(row), 0, KEY_SET_VALUE | kProgramView, &key),
        "RegOpenKeyExA(KEY_SET_VALUE)");
  const LSTATUS status = RegDeleteValueA(key, RegistrationOf(row).valueName);
  RegCloseKey(key);
  Check(status, "RegDeleteValueA");
}

RegistrySnapshot ReadRegistrations() {
  RegistrySnapshot snapshot;
  for (IdeHost row : kRegisteredRows) snapshot[IndexOf(row)] = ReadKeyContents(RootOf(row), PathOf(row));
  return snapshot;
}

bool AnyMachineKeyIn64BitView() {
  for (IdeHost row : kRegisteredRows)
    if (IsMachineWide(row) && KeyExists(HKEY_LOCAL_MACHINE, PathOf(row), KEY_WOW64_64KEY)) return true;
  return false;
}

std::optional<RawValue> ReadRegistrationValue(IdeHost row) {
  const HostRegistration registration = RegistrationOf(row);
  return ReadRawValue(RootOf(row), registration.keyPath, registration.valueName);
}

RawValue Written(IdeHost row, Side side) {
  if (RegistrationOf(row).kind == ValueKind::Text)
    return RawValue{REG_SZ, side == Side::On ? std::string("1", 2) : std::string("0", 2)};
  return RawValue{REG_DWORD, DwordBytes(side == Side::On ? 3 : 0)};
}

RowWrites WritesOnOk(const ShownRows& shown) {
  RowWrites writes;
  for (IdeHost row : kRegisteredRows) {
    const Shown state = shown[IndexOf(row)];
    if (state != Shown::Disabled) writes[IndexOf(row)] = Written(row, state == Shown::On ? Side::On : Side::Off);
  }
  return writes;
}

RegistrySnapshot AfterWrites(RegistrySnapshot before, const RowWrites& writes) {
  for (IdeHost row : kRegisteredRows) {
    auto& key = before[IndexOf(row)];
    const auto& written = writes[IndexOf(row)];
    if (key && written) key->values[RegistrationOf(row).valueName] = *written;
  }
  return before;
}

std::ostream& operator<<(std::ostream& out, const RawValue& value) {
  constexpr std::size_t kShownBytes = 12;
  out << TypeName(value.type) << " " << value.bytes.size() << " bytes [";
  const std::size_t shown = std::min(value.bytes.size(), kShownBytes);
  for (std::size_t i = 0; i < shown; ++i)
    out << (i ? " " : "") << std::hex << std::setw(2) << std::setfill('0')
        << static_cast<unsigned>(static_cast<unsigned char>(value.bytes[i])) << std::dec;
  return out << (shown < value.bytes.size() ? " ...]" : "]");
}

std::ostream& operator<<(std::ostream& out, const KeyContents& contents) {
  out << "{";
  for (const auto& [name, value] : contents.values) out << " \"" << name << "\": " << value << ";";
  return out << " subkeys " << contents.subkeys << " }";
}
