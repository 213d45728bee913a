#include "ProgramProcess.h"

#include "DriverError.h"

#include <cstdlib>

namespace {

constexpr DWORD kKillWaitMs = 5000;
constexpr int kStartAttempts = 3;

// Wine now and then refuses a process start with an internal error under load (seen once in some
// six hundred starts); that is the machine, not the program, so such a start is tried again.
bool StartProcess(const std::string& exePath, PROCESS_INFORMATION& created) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string commandLine = "\"" + exePath + "\"";
  for (int attempt = 1;; ++attempt) {
    if (::CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                         &created))
      return true;
    if (::GetLastError() != ERROR_INTERNAL_ERROR || attempt == kStartAttempts) return false;
    ::Sleep(100);
  }
}

}  // namespace

ProgramProcess::ProgramProcess(const std::string& exePath) : m_id(0) {
  PROCESS_INFORMATION created{};
  if (!StartProcess(exePath, created))
    throw DriverError("cannot start " + exePath + ": error " + std::to_string(::GetLastError()));
  UniqueHandle thread(created.hThread);
  m_process = UniqueHandle(created.hProcess);
  m_id = created.dwProcessId;
}

ProgramProcess::~ProgramProcess() {
  if (::WaitForSingleObject(m_process.Get(), 0) != WAIT_OBJECT_0) Kill();
}

std::optional<DWORD> ProgramProcess::ExitCode() const {
  if (::WaitForSingleObject(m_process.Get(), 0) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  if (!::GetExitCodeProcess(m_process.Get(), &code)) throw DriverError("GetExitCodeProcess failed");
  return code;
}

DWORD ProgramProcess::WaitForExit(DWORD timeoutMs) {
  if (::WaitForSingleObject(m_process.Get(), timeoutMs) != WAIT_OBJECT_0) {
    Kill();
    throw DriverError("the program did not end within " + std::to_string(timeoutMs) + " ms; killed");
  }
  return *ExitCode();
}

void ProgramProcess::Kill() {
  ::TerminateProcess(m_process.Get(), 1);
  ::WaitForSingleObject(m_process.Get(), kKillWaitMs);
}

std::string ProgramPath() {
  const char* path = std::getenv("TESSELLARIUM_EXE");
  if (!path || !*path) throw DriverError("TESSELLARIUM_EXE does not name the program under test");
  return path;
}
