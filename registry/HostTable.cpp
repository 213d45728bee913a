#include "HostTable.h"

std::optional<HostRegistration> FindRegistration(IdeHost host) {
  switch (host) {
    case IdeHost::Vs5:
      return HostRegistration{RegistryRoot::CurrentUser,
                              "Software\\Microsoft\\DevStudio\\5.0\\Addins\\TessellariumVC6.DSAddin.1", "",
                              ValueKind::Text};
    case IdeHost::Vs6:
      return HostRegistration{RegistryRoot::CurrentUser,
                              "Software\\Microsoft\\DevStudio\\6.0\\Addins\\TessellariumVC6.DSAddin.1", "",
                              ValueKind::Text};
    case IdeHost::VsNet:
      return HostRegistration{RegistryRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\VisualStudio\\7.0\\Addins\\Tessellarium.Connect", "LoadBehavior",
                              ValueKind::Dword};
    case IdeHost::VsNet2003:
      return HostRegistration{RegistryRoot::LocalMachine,
                              "SOFTWARE\\Microsoft\\VisualStudio\\7.1\\Addins\\Tessellarium.Connect", "LoadBehavior",
                              ValueKind::Dword};
    case IdeHost::Vs2005:
      break;
  }
  return std::nullopt;
}
