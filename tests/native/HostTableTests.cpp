#include "HostTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The IDEs read these exact places; a changed byte silently stops the add-in from being found.
TEST(HostTable, NamesTheRegistrationOfEveryIde) {
  const struct {
    IdeHost host;
    RegistryRoot root;
    std::string keyPath;
    std::string valueName;
    ValueKind kind;
  } rows[] = {
      {IdeHost::Vs5, RegistryRoot::CurrentUser,
       "Software\\Microsoft\\DevStudio\\5.0\\Addins\\TessellariumVC6.DSAddin.1", "", ValueKind::Text},
      {IdeHost::Vs6, RegistryRoot::CurrentUser,
       "Software\\Microsoft\\DevStudio\\6.0\\Addins\\TessellariumVC6.DSAddin.1", "", ValueKind::Text},
      {IdeHost::VsNet, RegistryRoot::LocalMachine,
       "SOFTWARE\\Microsoft\\VisualStudio\\7.0\\Addins\\Tessellarium.Connect", "LoadBehavior", ValueKind::Dword},
      {IdeHost::VsNet2003, RegistryRoot::LocalMachine,
       "SOFTWARE\\Microsoft\\VisualStudio\\7.1\\Addins\\Tessellarium.Connect", "LoadBehavior", ValueKind::Dword},
  };
  for (const auto& row : rows) {
    const auto registration = FindRegistration(row.host);
    ASSERT_TRUE(registration.has_value()) << static_cast<int>(row.host);
    EXPECT_EQ(registration->root, row.root);
    EXPECT_EQ(registration->keyPath, row.keyPath);
    EXPECT_EQ(registration->valueName, row.valueName);
    EXPECT_EQ(registration->kind, row.kind);
  }
}

TEST(HostTable, Vs2005HasNoRegistration) { EXPECT_FALSE(FindRegistration(IdeHost::Vs2005).has_value()); }

}  // namespace
