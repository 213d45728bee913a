#pragma once

#include "IdeHost.h"

#include <optional>

// The two registry roots, named without the platform's headers; RegistryKey.h maps them to handles.
enum class RegistryRoot { CurrentUser, LocalMachine };

// How a registration's value is stored: REG_SZ text or REG_DWORD number.
enum class ValueKind { Text, Dword };

struct HostRegistration {
  RegistryRoot root;
  const char* keyPath;
  const char* valueName;
  ValueKind kind;
};

// Where the IDEs look for the add-in. These are read by the IDEs themselves, so every byte matters.
// Empty for a row that has no registration of its own.
std::optional<HostRegistration> FindRegistration(IdeHost host);
