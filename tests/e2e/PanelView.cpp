#include "PanelView.h"

namespace {

const char* const kRowNames[] = {"Vs5", "Vs6", "VsNet", "VsNet2003", "Vs2005"};

std::ostream& operator<<(std::ostream& out, const BoxView& box) {
  return out << (box.enabled ? "enabled" : "disabled") << (box.checked ? " checked" : "");
}

RowView Showing(Shown shown) {
  const bool enabled = shown != Shown::Disabled;
  return RowView{{enabled, shown == Shown::On}, {enabled, shown == Shown::Off}};
}

}  // namespace

PanelView Showing(const ShownRows& shown) {
  PanelView view;
  for (std::size_t i = 0; i < shown.size(); ++i) view.rows[i] = Showing(shown[i]);
  return view;
}

Shown ShownOf(Side side) { return side == Side::On ? Shown::On : Shown::Off; }

std::ostream& operator<<(std::ostream& out, const RowView& row) {
  return out << "On " << row.on << ", Off " << row.off;
}

std::ostream& operator<<(std::ostream& out, const PanelView& view) {
  for (std::size_t i = 0; i < view.rows.size(); ++i) out << "\n  " << kRowNames[i] << ": " << view.rows[i];
  return out;
}
