#include "PanelRun.h"

#include "ProgramProcess.h"

namespace {

// Generous: the first start in a test program has been seen to take over ten seconds on a busy machine.
constexpr DWORD kShowTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 10000;

}  // namespace

RunReport RunPanel(const RunScript& script) {
  ProgramProcess process(ProgramPath());
  const PanelWindow window = PanelWindow::WaitFor(process, kShowTimeoutMs);
  RunReport report;
  report.atOpen = window.Read();
  for (const Click& click : script.clicks) window.Click(click.row, click.side);
  if (script.whileOpen) script.whileOpen();
  report.beforeEnding = window.Read();
  window.End(script.ending);
  report.exitCode = process.WaitForExit(kExitTimeoutMs);
  report.windowClosed = !window.IsOpen();
  return report;
}
