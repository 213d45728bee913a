#include "RegistryKey.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kStringBufferSize = 4096;

void Check(LSTATUS status) {
  if (status != ERROR_SUCCESS) throw RegistryError{};
}

}  // namespace

CRegistryKey::CRegistryKey(const std::string& keyPath) : m_hKey(nullptr), m_keyPath(keyPath) {}

void CRegistryKey::Open(HKEY root) { Check(RegOpenKeyExA(root, m_keyPath.c_str(), 0, kAccess, &m_hKey)); }

void CRegistryKey::ReadDword(const char* valueName, std::uint32_t& value) {
  // Data shorter than four bytes fills the low bytes; the rest reads as zero, never as stale memory.
  unsigned char data[4] = {};
  DWORD type = 0;
  DWORD size = sizeof data;
  Check(RegQueryValueExA(m_hKey, valueName, nullptr, &type, data, &size));
  std::memcpy(&value, data, sizeof value);
}

void CRegistryKey::ReadString(const char* valueName, std::string& text) {
  char data[kStringBufferSize];
  DWORD type = 0;
  DWORD size = kStringBufferSize;
  Check(RegQueryValueExA(m_hKey, valueName, nullptr, &type, reinterpret_cast<BYTE*>(data), &size));
  // Up to the first NUL, or all of the returned bytes when there is none; never past what was returned.
  text.assign(data, std::find(data, data + size, '\0'));
}

void CRegistryKey::WriteDword(const char* valueName, std::uint32_t value) {
  const DWORD data = value;
  Check(RegSetValueExA(m_hKey, valueName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data));
}

void CRegistryKey::WriteString(const char* valueName, const std::string& text) {
  Check(RegSetValueExA(m_hKey, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1)));
}

void CRegistryKey::Close() { RegCloseKey(m_hKey); }

HKEY RootKeyHandle(RegistryRoot root) {
  return root == RegistryRoot::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}
