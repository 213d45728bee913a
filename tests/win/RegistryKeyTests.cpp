#include "AddinRegistration.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

namespace {

#ifdef _WIN64
static_assert(CRegistryKey::kAccess == (KEY_READ | KEY_WRITE | KEY_WOW64_32KEY));
#else
static_assert(CRegistryKey::kAccess == 0x2001F, "the 32-bit program asks for exactly read and write access");
#endif

const std::string kTestPath = "Software\\Tessellarium Tests\\RegistryKey";

void ExpectRegistryError(const std::function<void()>& action) {
  try {
    action();
    ADD_FAILURE() << "no RegistryError thrown";
  } catch (const RegistryError& error) {
    EXPECT_TRUE(error.empty()) << "text: " << error;
  }
}

std::string ReadString(const char* name) {
  std::string text = "untouched";
  ExchangeWithKey(HKEY_CURRENT_USER, kTestPath, [&](CRegistryKey& key) { key.ReadString(name, text); });
  return text;
}

std::uint32_t ReadDword(const char* name) {
  std::uint32_t value = 0xDEADBEEF;
  ExchangeWithKey(HKEY_CURRENT_USER, kTestPath, [&](CRegistryKey& key) { key.ReadDword(name, value); });
  return value;
}

TEST(RegistryKey, OpeningAMissingKeyFailsAndCreatesNothing) {
  DeleteKeyTree(HKEY_CURRENT_USER, kTestPath);
  CRegistryKey key(kTestPath);
  ExpectRegistryError([&] { key.Open(HKEY_CURRENT_USER); });
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestPath));
}

TEST(RegistryKey, OpeningAKeyTheUserMayOnlyReadFails) {
  ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
  scratch.SetValue("", REG_SZ, std::string("1", 2));
  scratch.MakeReadOnly();
  ASSERT_EQ(ReadRawValue(HKEY_CURRENT_USER, kTestPath, "")->bytes, std::string("1", 2)) << "still readable";
  CRegistryKey key(kTestPath);
  ExpectRegistryError([&] { key.Open(HKEY_CURRENT_USER); });
}

TEST(RegistryKey, ReadingAMissingValueFailsAndLeavesTheTextAlone) {
  ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
  std::string text = "kept";
  ExpectRegistryError([&] {
    ExchangeWithKey(HKEY_CURRENT_USER, kTestPath, [&](CRegistryKey& key) { key.ReadString("", text); });
  });
  EXPECT_EQ(text, "kept");
  ExpectRegistryError([] { ReadDword("LoadBehavior"); });
}

TEST(RegistryKey, ReadStringTakesTheBytesUpToTheFirstNul) {
  const struct {
    const char* what;
    DWORD type;
    std::string data;
    std::string text;
  } cases[] = {
      {"text with its NUL", REG_SZ, std::string("1", 2), "1"},
      {"further bytes after the NUL", REG_SZ, std::string("1\0ab\0", 5), "1"},
      {"expandable text, not expanded", REG_EXPAND_SZ, std::string("%PATH%\0", 7), "%PATH%"},
      {"multi-string: its first string", REG_MULTI_SZ, std::string("0\0second\0\0", 10), "0"},
      {"no data at all", REG_BINARY, "", ""},
      {"only NULs", REG_BINARY, std::string(3, '\0'), ""},
      // No NUL among the returned bytes: the text is all of them and nothing past them.
      {"no NUL", REG_BINARY, "10", "10"},
      {"4096 bytes ending in NUL", REG_BINARY, std::string(4095, 'x') + '\0', std::string(4095, 'x')},
      {"4096 bytes without NUL", REG_BINARY, std::string(4096, 'x'), std::string(4096, 'x')},
  };
  for (const auto& c : cases) {
    ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
    scratch.SetValue("", c.type, c.data);
    EXPECT_EQ(ReadString(""), c.text) << c.what;
  }
}

TEST(RegistryKey, ReadStringOfMoreThan4096BytesFails) {
  ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
  scratch.SetValue("", REG_BINARY, std::string(4097, 'x'));
  ExpectRegistryError([] { ReadString(""); });
}

TEST(RegistryKey, ReadDwordTakesUpToFourBytes) {
  const struct {
    const char* what;
    DWORD type;
    std::string data;
    std::uint32_t value;
  } cases[] = {
      {"a REG_DWORD", REG_DWORD, DwordBytes(3), 3},
      {"four bytes of another type", REG_BINARY, DwordBytes(0x04030201), 0x04030201},
      // Shorter data fills the low bytes and the rest is zero, whatever the variable held before.
      {"one byte", REG_BINARY, std::string(1, '\x02'), 2},
      {"three bytes", REG_BINARY, std::string("\x01\x02\x03", 3), 0x030201},
      {"no data", REG_NONE, "", 0},
      {"text \"1\"", REG_SZ, std::string("1", 2), 0x31},
  };
  for (const auto& c : cases) {
    ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
    scratch.SetValue("LoadBehavior", c.type, c.data);
    EXPECT_EQ(ReadDword("LoadBehavior"), c.value) << c.what;
  }
}

TEST(RegistryKey, ReadDwordOfMoreThanFourBytesFails) {
  ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
  scratch.SetValue("LoadBehavior", REG_QWORD, std::string(8, '\x01'));
  ExpectRegistryError([] { ReadDword("LoadBehavior"); });
}

TEST(RegistryKey, WriteStringStoresTheTextWithItsNul) {
  ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
  scratch.SetValue("", REG_DWORD, DwordBytes(7));
  ExchangeWithKey(HKEY_CURRENT_USER, kTestPath, [](CRegistryKey& key) { key.WriteString("", "1"); });
  EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kTestPath, ""), (RawValue{REG_SZ, std::string("1", 2)}));
}

TEST(RegistryKey, WriteDwordStoresFourBytes) {
  ScratchKey scratch(HKEY_CURRENT_USER, kTestPath);
  scratch.SetValue("LoadBehavior", REG_SZ, std::string("1", 2));
  ExchangeWithKey(HKEY_CURRENT_USER, kTestPath, [](CRegistryKey& key) { key.WriteDword("LoadBehavior", 3); });
  EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, kTestPath, "LoadBehavior"), (RawValue{REG_DWORD, DwordBytes(3)}));
}

TEST(RegistryKey, WritingToAMissingKeyFailsAndCreatesNothing) {
  DeleteKeyTree(HKEY_CURRENT_USER, kTestPath);
  ExpectRegistryError(
      [] { ExchangeWithKey(HKEY_CURRENT_USER, kTestPath, [](CRegistryKey& key) { key.WriteDword("LoadBehavior", 3); }); });
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, kTestPath));
}

// The IDEs are 32-bit programs: their machine-wide registrations live in the 32-bit registry view,
// and the program must change that one, not a 64-bit twin.
TEST(RegistryKey, MachineKeysAreReachedInThe32BitView) {
  const std::string path = FindRegistration(IdeHost::VsNet2003)->keyPath;
  ScratchKey view32(HKEY_LOCAL_MACHINE, path, KEY_WOW64_32KEY);
  ScratchKey view64(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY);
  view32.SetDword("LoadBehavior", 1);
  view64.SetDword("LoadBehavior", 2);

  std::uint32_t read = 0;
  ExchangeWithKey(HKEY_LOCAL_MACHINE, path, [&](CRegistryKey& key) { key.ReadDword("LoadBehavior", read); });
  EXPECT_EQ(read, 1u);
  ExchangeWithKey(HKEY_LOCAL_MACHINE, path, [](CRegistryKey& key) { key.WriteDword("LoadBehavior", 0); });
  EXPECT_EQ(ReadRawValue(HKEY_LOCAL_MACHINE, path, "LoadBehavior", KEY_WOW64_32KEY)->bytes, DwordBytes(0));
  EXPECT_EQ(ReadRawValue(HKEY_LOCAL_MACHINE, path, "LoadBehavior", KEY_WOW64_64KEY)->bytes, DwordBytes(2));
}

TEST(RegistryKey, UserKeysAreTheSameInEveryView) {
  const std::string path = FindRegistration(IdeHost::Vs6)->keyPath;
  ScratchKey scratch(HKEY_CURRENT_USER, path, 0);
  scratch.SetValue("", REG_SZ, std::string("0", 2));
  ExchangeWithKey(HKEY_CURRENT_USER, path, [](CRegistryKey& key) { key.WriteString("", "1"); });
  for (REGSAM view : {REGSAM{0}, REGSAM{KEY_WOW64_32KEY}, REGSAM{KEY_WOW64_64KEY}})
    EXPECT_EQ(ReadRawValue(HKEY_CURRENT_USER, path, "", view), (RawValue{REG_SZ, std::string("1", 2)})) << view;
}

}  // namespace
