#pragma once

#include "HostTable.h"
#include "RegistryError.h"

#include <windows.h>

#include <cstdint>
#include <string>

// One key, opened for a single read or write of one value. Every failing call throws RegistryError.
// The destructor does not close the key: the caller closes it on every path after a successful Open.
class CRegistryKey {
public:
  explicit CRegistryKey(const std::string& keyPath);
  CRegistryKey(const CRegistryKey&) = delete;
  CRegistryKey& operator=(const CRegistryKey&) = delete;

  // Always asks for read and write access, and never creates the key.
  void Open(HKEY root);
  void ReadDword(const char* valueName, std::uint32_t& value);
  void ReadString(const char* valueName, std::string& text);
  void WriteDword(const char* valueName, std::uint32_t value);
  void WriteString(const char* valueName, const std::string& text);
  void Close();

  // The access Open asks for: the 32-bit registry view in every build, as the IDEs are 32-bit programs.
  static constexpr REGSAM kAccess = KEY_READ | KEY_WRITE
#ifdef _WIN64
                                    | KEY_WOW64_32KEY
#endif
      ;

private:
  HKEY m_hKey;
  std::string m_keyPath;
};

HKEY RootKeyHandle(RegistryRoot root);
