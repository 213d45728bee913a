#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// The program works on the 32-bit registry view; tests look at the same one unless they say otherwise.
constexpr REGSAM kProgramView = KEY_WOW64_32KEY;

// A registry key made for one test and removed, with all it holds, when the test ends.
class ScratchKey {
public:
  ScratchKey(HKEY root, std::string path, REGSAM view = kProgramView);
  ~ScratchKey();
  ScratchKey(const ScratchKey&) = delete;
  ScratchKey& operator=(const ScratchKey&) = delete;

  void SetValue(const char* name, DWORD type, const std::string& bytes);
  void SetDword(const char* name, DWORD value);
  // Everyone may read the key, nobody may write it: as for a user without administrator rights.
  void MakeReadOnly();

private:
  HKEY m_root;
  std::string m_path;
  REGSAM m_view;
};

struct RawValue {
  DWORD type;
  std::string bytes;
  bool operator==(const RawValue& other) const { return type == other.type && bytes == other.bytes; }
};

// What the registry holds, read back byte for byte; empty when the key or value is missing.
std::optional<RawValue> ReadRawValue(HKEY root, const std::string& path, const char* name,
                                     REGSAM view = kProgramView);
bool KeyExists(HKEY root, const std::string& path, REGSAM view = kProgramView);
// Removes a key left by an earlier run so that a test starts from a registry it knows.
void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view = kProgramView);

std::string DwordBytes(DWORD value);
