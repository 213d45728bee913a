#pragma once

#include "PanelView.h"
#include "PanelWindow.h"

#include <windows.h>

#include <functional>
#include <vector>

struct Click {
  IdeHost row;
  Side side;
};

// What a user does in one run of the program, from its start to its end.
struct RunScript {
  std::vector<Click> clicks;
  Ending ending = Ending::Ok;
  // Runs with the dialog open, after the clicks and before the ending.
  std::function<void()> whileOpen;
};

// What the run showed, and how the program ended.
struct RunReport {
  PanelView atOpen;
  PanelView beforeEnding;
  DWORD exitCode = 0;
  bool windowClosed = false;
};

// Starts the built program, plays the script and waits for the process to end.
// Throws DriverError when the program does not show its dialog, answer or end in time.
RunReport RunPanel(const RunScript& script);
