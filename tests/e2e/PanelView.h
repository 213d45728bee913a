#pragma once

#include "IdeHost.h"

#include <array>
#include <iterator>
#include <ostream>

enum class Side { On, Off };

struct BoxView {
  bool enabled = false;
  bool checked = false;
  bool operator==(const BoxView& other) const { return enabled == other.enabled && checked == other.checked; }
};

// One row's pair of boxes as the window shows them.
struct RowView {
  BoxView on;
  BoxView off;
  bool operator==(const RowView& other) const { return on == other.on && off == other.off; }
};

// Every row of the window, in display order.
struct PanelView {
  std::array<RowView, std::size(kAllIdeHosts)> rows;
  RowView& operator[](IdeHost row) { return rows[static_cast<std::size_t>(row)]; }
  const RowView& operator[](IdeHost row) const { return rows[static_cast<std::size_t>(row)]; }
  bool operator==(const PanelView& other) const { return rows == other.rows; }
};

// What a row may legitimately show: disabled and blank, or enabled with exactly one side checked.
enum class Shown { Disabled, On, Off };

using ShownRows = std::array<Shown, std::size(kAllIdeHosts)>;

PanelView Showing(const ShownRows& shown);
Shown ShownOf(Side side);

std::ostream& operator<<(std::ostream& out, const RowView& row);
std::ostream& operator<<(std::ostream& out, const PanelView& view);
