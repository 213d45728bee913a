#include "PanelRun.h"
#include "Registrations.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

constexpr Shown D = Shown::Disabled;
constexpr Shown On = Shown::On;
constexpr Shown Off = Shown::Off;

struct Scenario {
  const char* name;
  RowSetups registry;
  ShownRows atOpen;
  std::vector<Click> clicks;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

const std::string kTooLongText(5000, '1');

const Scenario kScenarios[] = {
    {"NoRegistrationAtAll", {NoKey(), NoKey(), NoKey(), NoKey()}, {D, D, D, D, D}, {}},
    {"KeysWithoutTheirValues",
     {KeyWithoutValue(), KeyWithoutValue(), KeyWithoutValue(), KeyWithoutValue()},
     {D, D, D, D, D},
     {}},
    {"EveryRowOn", {Text("1"), Text("1"), Dword(1), Dword(3)}, {On, On, On, On, D}, {}},
    {"EveryRowOff", {Text("0"), Text("0"), Dword(0), Dword(0)}, {Off, Off, Off, Off, D}, {}},
    {"LoadBehaviorTwoIsOn", {NoKey(), NoKey(), Dword(2), Dword(2)}, {D, D, On, On, D}, {}},
    {"EveryRowSwitchedOff",
     {Text("1"), Text("1"), Dword(2), Dword(1)},
     {On, On, On, On, D},
     {{IdeHost::Vs5, Side::Off}, {IdeHost::Vs6, Side::Off}, {IdeHost::VsNet, Side::Off},
      {IdeHost::VsNet2003, Side::Off}}},
    {"EveryRowSwitchedOn",
     {Text("0"), Text("0"), Dword(0), Dword(0)},
     {Off, Off, Off, Off, D},
     {{IdeHost::Vs5, Side::On}, {IdeHost::Vs6, Side::On}, {IdeHost::VsNet, Side::On},
      {IdeHost::VsNet2003, Side::On}}},
    {"SwitchedBackAndForth",
     {Text("1"), Text("0"), Dword(3), Dword(0)},
     {On, Off, On, Off, D},
     {{IdeHost::Vs5, Side::Off}, {IdeHost::Vs5, Side::On}, {IdeHost::Vs6, Side::On}, {IdeHost::Vs6, Side::Off},
      {IdeHost::VsNet, Side::Off}, {IdeHost::VsNet2003, Side::On}, {IdeHost::VsNet2003, Side::On}}},
    {"ClickingTheCheckedBoxKeepsIt",
     {Text("1"), Text("0"), Dword(1), Dword(0)},
     {On, Off, On, Off, D},
     {{IdeHost::Vs5, Side::On}, {IdeHost::Vs6, Side::Off}, {IdeHost::VsNet, Side::On},
      {IdeHost::VsNet2003, Side::Off}}},
    {"UnrecognisedValues", {Text("2"), Text("10"), Dword(4), Dword(256)}, {D, D, D, D, D}, {}},
    {"EmptyTextAndSpacedDigits", {Text(""), Text(" 1"), NoKey(), NoKey()}, {D, D, D, D, D}, {}},
    {"UnrecognisedBesideRecognised",
     {Text("2"), Text("1"), Dword(4), Dword(0)},
     {D, On, D, Off, D},
     {{IdeHost::Vs6, Side::Off}, {IdeHost::VsNet2003, Side::On}}},
    {"DataTooLongToRead",
     {Holding(REG_SZ, kTooLongText), Text("0"), Holding(REG_QWORD, DwordBytes(1) + DwordBytes(0)), Dword(1)},
     {D, Off, D, On, D},
     {{IdeHost::Vs6, Side::On}}},
    // A written row takes the encoded form, so these show that untouched rows are written too.
    {"UntouchedRowsAreRewritten",
     {Holding(REG_EXPAND_SZ, std::string("1", 2)), Holding(REG_SZ, std::string("0\0more", 7)), Dword(2),
      Holding(REG_BINARY, DwordBytes(1))},
     {On, Off, On, On, D},
     {}},
    {"ReadOnlyFirstRowLeavesTheOthers",
     {Text("1").ReadOnly(), Text("0"), Dword(1), Dword(0)},
     {D, Off, On, Off, D},
     {{IdeHost::Vs6, Side::On}, {IdeHost::VsNet2003, Side::On}}},
    {"ReadOnlyMachineKeys",
     {Text("0"), Text("1"), Dword(1).ReadOnly(), Dword(0).ReadOnly()},
     {Off, On, D, D, D},
     {{IdeHost::Vs5, Side::On}}},
    {"EveryKeyReadOnly",
     {Text("1").ReadOnly(), Text("0").ReadOnly(), Dword(1).ReadOnly(), Dword(0).ReadOnly()},
     {D, D, D, D, D},
     {}},
};

// A click shows its side for that row, whatever the row showed before; no other row changes.
ShownRows AfterClicks(ShownRows shown, const std::vector<Click>& clicks) {
  for (const Click& click : clicks) shown[static_cast<std::size_t>(click.row)] = ShownOf(click.side);
  return shown;
}

class EndToEnd : public testing::TestWithParam<std::tuple<Scenario, Ending>> {};

TEST_P(EndToEnd, ShowsTheRegistrationsAndWritesOnlyOnOk) {
  const auto& [scenario, ending] = GetParam();
  Registrations registrations(scenario.registry);
  const RegistrySnapshot before = ReadRegistrations();
  const ShownRows atEnd = AfterClicks(scenario.atOpen, scenario.clicks);

  const RunReport report = RunPanel({scenario.clicks, ending, {}});

  EXPECT_EQ(report.atOpen, Showing(scenario.atOpen));
  EXPECT_EQ(report.beforeEnding, Showing(atEnd));
  EXPECT_EQ(report.exitCode, 0u);
  EXPECT_TRUE(report.windowClosed);
  EXPECT_EQ(ReadRegistrations(), AfterWrites(before, ending == Ending::Ok ? WritesOnOk(atEnd) : RowWrites{}));
  EXPECT_FALSE(AnyMachineKeyIn64BitView());
}

INSTANTIATE_TEST_SUITE_P(Scenarios, EndToEnd,
                         testing::Combine(testing::ValuesIn(kScenarios),
                                          testing::Values(Ending::Ok, Ending::Cancel, Ending::Escape,
                                                          Ending::CloseBox)),
                         [](const testing::TestParamInfo<EndToEnd::ParamType>& param) {
                           return std::string(std::get<0>(param.param).name) + "_" +
                                  NameOf(std::get<1>(param.param));
                         });

}  // namespace
