#pragma once

#include <string>

// Thrown by every failing registry operation. Its text is always empty: callers only need to know
// that the row could not be read or written, never why.
struct RegistryError : std::string {};
