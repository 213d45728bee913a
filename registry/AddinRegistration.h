#pragma once

#include "AddinState.h"
#include "HostTable.h"
#include "RegistryKey.h"

#include <string>

// Opens a key, runs one read or write on it and closes it again on every path. Throws RegistryError.
template <class Use>
void ExchangeWithKey(HKEY root, const std::string& keyPath, Use use) {
  CRegistryKey key(keyPath);
  key.Open(root);
  try {
    use(key);
  } catch (...) {
    key.Close();
    throw;
  }
  key.Close();
}

// One IDE's start-up state as its registration holds it; Unavailable when the value is not one we know.
AddinState ReadAddinState(const HostRegistration& registration);

// Writes On or Off into an existing registration; never creates the key.
void WriteAddinState(const HostRegistration& registration, AddinState state);
