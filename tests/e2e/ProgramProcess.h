#pragma once

#include "UniqueHandle.h"

#include <windows.h>

#include <optional>
#include <string>

// The program under test, started as a process of its own. A process still running when its owner
// goes (a test that failed half-way) is killed, so no run leaves a window behind for the next one.
class ProgramProcess {
public:
  explicit ProgramProcess(const std::string& exePath);
  ~ProgramProcess();
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  DWORD Id() const { return m_id; }
  std::optional<DWORD> ExitCode() const;
  // The exit code; a process that has not ended within the time is killed and DriverError thrown.
  DWORD WaitForExit(DWORD timeoutMs);

private:
  void Kill();

  UniqueHandle m_process;
  DWORD m_id;
};

// The built program, as the test's environment names it.
std::string ProgramPath();
