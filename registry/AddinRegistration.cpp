#include "AddinRegistration.h"

#include "StateCodec.h"

#include <cstdint>

AddinState ReadAddinState(const HostRegistration& registration) {
  AddinState state = AddinState::Unavailable;
  ExchangeWithKey(RootKeyHandle(registration.root), registration.keyPath, [&](CRegistryKey& key) {
    if (registration.kind == ValueKind::Text) {
      std::string text;
      key.ReadString(registration.valueName, text);
      state = DecodeTextState(text);
    } else {
      std::uint32_t number = 0;
      key.ReadDword(registration.valueName, number);
      state = DecodeDwordState(number);
    }
  });
  return state;
}

void WriteAddinState(const HostRegistration& registration, AddinState state) {
  ExchangeWithKey(RootKeyHandle(registration.root), registration.keyPath, [&](CRegistryKey& key) {
    if (registration.kind == ValueKind::Text)
      key.WriteString(registration.valueName, EncodeTextState(state));
    else
      key.WriteDword(registration.valueName, EncodeDwordState(state));
  });
}
