#include "PanelRun.h"
#include "Registrations.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kRuns = 200;

// The first run rewrites every row in its encoded form; every later run must find it so and leave it so.
TEST(Soak, TwoHundredRunsLeaveTheRegistryAsOneRunDoes) {
  Registrations registrations(
      {Holding(REG_EXPAND_SZ, std::string("1", 2)), Text("0"), Dword(1), Holding(REG_BINARY, DwordBytes(2))});
  const RegistrySnapshot before = ReadRegistrations();
  const ShownRows shown = {Shown::On, Shown::Off, Shown::On, Shown::On, Shown::Disabled};

  const RunReport first = RunPanel({{}, Ending::Ok, {}});
  ASSERT_EQ(first.atOpen, Showing(shown));
  const RegistrySnapshot afterOneRun = ReadRegistrations();
  ASSERT_EQ(afterOneRun, AfterWrites(before, WritesOnOk(shown)));

  for (int run = 2; run <= kRuns; ++run) {
    SCOPED_TRACE("run " + std::to_string(run));
    const RunReport report = RunPanel({{}, Ending::Ok, {}});
    ASSERT_EQ(report.atOpen, first.atOpen);
    ASSERT_EQ(report.exitCode, 0u);
    ASSERT_TRUE(report.windowClosed);
    ASSERT_EQ(ReadRegistrations(), afterOneRun);
  }
  EXPECT_FALSE(AnyMachineKeyIn64BitView());
}

}  // namespace
