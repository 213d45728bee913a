#pragma once

// One row of the control panel, in display order.
enum class IdeHost { Vs5, Vs6, VsNet, VsNet2003, Vs2005 };

constexpr IdeHost kAllIdeHosts[] = {IdeHost::Vs5, IdeHost::Vs6, IdeHost::VsNet, IdeHost::VsNet2003, IdeHost::Vs2005};
