#include "Dialog.h"
#include "ResourceException.h"
#include "WinApp.h"
#include "resource.h"

#include <gtest/gtest.h>

namespace {

// Ends itself, once shown, with whatever command it is given, so a modal run can be driven in-process.
class SelfEndingDialog : public CDialog {
public:
  explicit SelfEndingDialog(WPARAM command) : CDialog(IDD_CONTROL_PANEL), m_command(command) {}
  bool m_derivedOkRan = false;

protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    ::PostMessageA(m_hWnd, WM_COMMAND, m_command, 0);
    return TRUE;
  }
  void OnOkClicked() {
    m_derivedOkRan = true;
    EndDialog(42);
  }
  DECLARE_MESSAGE_MAP()

private:
  WPARAM m_command;
};

BEGIN_MESSAGE_MAP(SelfEndingDialog, CDialog)
  ON_BN_CLICKED(IDOK, OnOkClicked)
END_MESSAGE_MAP()

TEST(MessageMap, TheDerivedEntryWinsAndTheBaseTableStillAnswers) {
  SelfEndingDialog ok(MAKEWPARAM(IDOK, BN_CLICKED));
  EXPECT_EQ(ok.DoModal(), 42);
  EXPECT_TRUE(ok.m_derivedOkRan);

  SelfEndingDialog cancel(MAKEWPARAM(IDCANCEL, BN_CLICKED));
  EXPECT_EQ(cancel.DoModal(), IDCANCEL);
  EXPECT_FALSE(cancel.m_derivedOkRan);
}

TEST(Dialog, WithoutATemplateDoModalGivesMinusOne) {
  CDialog missing(4242);
  EXPECT_EQ(missing.DoModal(), -1);
}

TEST(Dialog, TheMainWindowReferenceGoesWithTheWindow) {
  CWinApp app;
  SelfEndingDialog dialog(MAKEWPARAM(IDCANCEL, BN_CLICKED));
  app.m_pMainWnd = &dialog;
  dialog.DoModal();
  EXPECT_EQ(app.m_pMainWnd, nullptr);
  EXPECT_EQ(dialog.m_hWnd, nullptr);
}

class ThrowingPainter : public CWnd {
public:
  int m_paints = 0;

protected:
  void OnPaint() {
    ++m_paints;
    throw CResourceException();
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ThrowingPainter, CWnd)
  ON_WM_PAINT()
END_MESSAGE_MAP()

// An exception must not unwind through the system's frames, and a failed paint must not be asked for again.
TEST(WindowProcedure, APaintThatThrowsIsContainedAndCountsAsDone) {
  HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                  nullptr);
  ThrowingPainter painter;
  ASSERT_TRUE(painter.SubclassWindow(window));
  ::InvalidateRect(window, nullptr, TRUE);
  ::UpdateWindow(window);
  ::UpdateWindow(window);
  EXPECT_EQ(painter.m_paints, 1);
  EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE));
  EXPECT_TRUE(::IsWindow(window));
}

TEST(WindowProcedure, AnObjectThatGoesFirstTakesItsWindowWithIt) {
  HWND window = ::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  {
    CWnd bound;
    ASSERT_TRUE(bound.SubclassWindow(window));
  }
  EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
