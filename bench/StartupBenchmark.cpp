// Times a dialog program from process start until its window is visible and painted, and until the
// process has ended after OK. Runs the programs named on the command line in turn, several times each.
//   startup_benchmark RUNS NAME=PATH [NAME=PATH ...]
#include "DialogWindow.h"
#include "DriverError.h"
#include "HostTable.h"
#include "ProgramProcess.h"
#include "ScratchKey.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
  static const double frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return static_cast<double>(value.QuadPart);
  }();
  LARGE_INTEGER value;
  QueryPerformanceCounter(&value);
  return static_cast<double>(value.QuadPart) * 1000.0 / frequency;
}

struct Sample {
  double shownMs;
  double endedMs;
};

bool RunOnce(const std::string& path, Sample& sample) {
  const double start = Now();
  try {
    ProgramProcess process(path);
    HWND dialog = WaitUntilPainted(process.Id(), 20000);
    sample.shownMs = Now() - start;
    if (!dialog) return false;
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    process.WaitForExit(20000);
    sample.endedMs = Now() - start;
    return true;
  } catch (const DriverError&) {
    return false;
  }
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Program {
  std::string name;
  std::string path;
  std::vector<double> shown;
  std::vector<double> ended;
};

// Every row registered, so the control panel does its full load and write.
struct PopulatedRegistry {
  ScratchKey vs5{HKEY_CURRENT_USER, FindRegistration(IdeHost::Vs5)->keyPath};
  ScratchKey vs6{HKEY_CURRENT_USER, FindRegistration(IdeHost::Vs6)->keyPath};
  ScratchKey vsNet{HKEY_LOCAL_MACHINE, FindRegistration(IdeHost::VsNet)->keyPath};
  ScratchKey vsNet2003{HKEY_LOCAL_MACHINE, FindRegistration(IdeHost::VsNet2003)->keyPath};
  PopulatedRegistry() {
    vs5.SetValue("", REG_SZ, std::string("1", 2));
    vs6.SetValue("", REG_SZ, std::string("0", 2));
    vsNet.SetDword("LoadBehavior", 3);
    vsNet2003.SetDword("LoadBehavior", 0);
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: startup_benchmark RUNS NAME=PATH [NAME=PATH ...]\n");
    return 2;
  }
  const int runs = std::atoi(argv[1]);
  std::vector<Program> programs;
  for (int i = 2; i < argc; ++i) {
    const std::string argument = argv[i];
    const size_t equals = argument.find('=');
    programs.push_back({argument.substr(0, equals), argument.substr(equals + 1), {}, {}});
  }
  PopulatedRegistry registry;
  // Interleaved, so that a slow phase of the machine weighs on every program alike.
  for (int run = 0; run < runs; ++run) {
    for (Program& program : programs) {
      Sample sample{};
      if (!RunOnce(program.path, sample)) {
        std::fprintf(stderr, "%s did not show and end in time\n", program.name.c_str());
        return 1;
      }
      program.shown.push_back(sample.shownMs);
      program.ended.push_back(sample.endedMs);
    }
  }
  std::printf("%-16s %14s %14s   (medians of %d runs)\n", "program", "shown+painted", "ended after OK", runs);
  for (const Program& program : programs)
    std::printf("%-16s %11.1f ms %11.1f ms\n", program.name.c_str(), Median(program.shown), Median(program.ended));
  if (programs.size() >= 2)
    std::printf("ratio %s/%s: shown %.2f, ended %.2f\n", programs[0].name.c_str(), programs[1].name.c_str(),
                Median(programs[0].shown) / Median(programs[1].shown),
                Median(programs[0].ended) / Median(programs[1].ended));
  return 0;
}
