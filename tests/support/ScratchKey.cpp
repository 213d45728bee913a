#include "ScratchKey.h"

#include <sddl.h>

#include <stdexcept>

namespace {

void Check(LSTATUS status, const char* what) {
  if (status != ERROR_SUCCESS) throw std::runtime_error(std::string(what) + " failed: " + std::to_string(status));
}

void SetDacl(HKEY root, const std::string& path, REGSAM view, const char* sddl) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor, nullptr))
    throw std::runtime_error("bad security descriptor");
  HKEY key = nullptr;
  Check(RegOpenKeyExA(root, path.c_str(), 0, WRITE_DAC | view, &key), "RegOpenKeyExA(WRITE_DAC)");
  const LSTATUS status = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
  RegCloseKey(key);
  LocalFree(descriptor);
  Check(status, "RegSetKeySecurity");
}

}  // namespace

ScratchKey::ScratchKey(HKEY root, std::string path, REGSAM view)
    : m_root(root), m_path(std::move(path)), m_view(view) {
  DeleteKeyTree(m_root, m_path, m_view);
  HKEY key = nullptr;
  Check(RegCreateKeyExA(m_root, m_path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | m_view, nullptr, &key, nullptr),
        "RegCreateKeyExA");
  RegCloseKey(key);
}

ScratchKey::~ScratchKey() { DeleteKeyTree(m_root, m_path, m_view); }

void ScratchKey::SetValue(const char* name, DWORD type, const std::string& bytes) {
  HKEY key = nullptr;
  Check(RegOpenKeyExA(m_root, m_path.c_str(), 0, KEY_SET_VALUE | m_view, &key), "RegOpenKeyExA");
  const LSTATUS status = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                        static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
  Check(status, "RegSetValueExA");
}

void ScratchKey::SetDword(const char* name, DWORD value) { SetValue(name, REG_DWORD, DwordBytes(value)); }

void ScratchKey::MakeReadOnly() { SetDacl(m_root, m_path, m_view, "D:P(A;;KR;;;WD)"); }

std::optional<RawValue> ReadRawValue(HKEY root, const std::string& path, const char* name, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return std::nullopt;
  DWORD type = 0;
  DWORD size = 0;
  std::optional<RawValue> value;
  if (RegQueryValueExA(key, name, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    std::string bytes(size, '\0');
    if (RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()), &size) == ERROR_SUCCESS)
      value = RawValue{type, bytes.substr(0, size)};
  }
  RegCloseKey(key);
  return value;
}

bool KeyExists(HKEY root, const std::string& path, REGSAM view) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(root, path.c_str(), 0, KEY_QUERY_VALUE | view, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void DeleteKeyTree(HKEY root, const std::string& path, REGSAM view) {
  if (!KeyExists(root, path, view)) return;
  // A key made read-only by a test has to be opened up before it can go.
  SetDacl(root, path, view, "D:P(A;;KA;;;WD)");
  HKEY key = nullptr;
  Check(RegOpenKeyExA(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key), "RegOpenKeyExA(KEY_ALL_ACCESS)");
  const LSTATUS status = RegDeleteTreeA(key, nullptr);
  RegCloseKey(key);
  Check(status, "RegDeleteTreeA");
  Check(RegDeleteKeyExA(root, path.c_str(), view, 0), "RegDeleteKeyExA");
}

std::string DwordBytes(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }
