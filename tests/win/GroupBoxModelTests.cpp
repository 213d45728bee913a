#include "GroupBoxHarness.h"
#include "WindowCapture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr DWORD kGroupBoxStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;

LOGFONTA LogFontOf(HGDIOBJ font) {
  LOGFONTA logFont{};
  EXPECT_EQ(::GetObjectA(font, sizeof logFont, &logFont), static_cast<int>(sizeof logFont));
  return logFont;
}

// The font the control draws with, as the system made it: proof that the description was rebuilt.
LOGFONTA CaptionFontOf(const InspectableGroupBox& box) {
  EXPECT_NE(box.m_font.GetSafeHandle(), nullptr);
  return LogFontOf(box.m_font.GetSafeHandle());
}

LOGFONTA Tahoma(LONG height) {
  LOGFONTA logFont{};
  logFont.lfHeight = height;
  logFont.lfWeight = FW_NORMAL;
  logFont.lfCharSet = DEFAULT_CHARSET;
  std::strcpy(logFont.lfFaceName, "Tahoma");
  return logFont;
}

bool SameFont(const LOGFONTA& a, const LOGFONTA& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         a.lfUnderline == b.lfUnderline && a.lfCharSet == b.lfCharSet &&
         std::strcmp(a.lfFaceName, b.lfFaceName) == 0;
}

HWND CreateButton(HWND parent, const char* text, DWORD style) {
  return ::CreateWindowExA(0, "BUTTON", text, style, kBoxRect.left, kBoxRect.top, kBoxRect.right - kBoxRect.left,
                           kBoxRect.bottom - kBoxRect.top, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
}

TEST(GroupBoxModel, RunTimeClassNamesTheControlAndItsBase) {
  CXPGroupBox box;
  const CRuntimeClass* runtimeClass = box.GetRuntimeClass();
  EXPECT_STREQ(runtimeClass->m_lpszClassName, "CXPGroupBox");
  EXPECT_EQ(runtimeClass->m_pBaseClass, RUNTIME_CLASS(CButton));
  EXPECT_EQ(runtimeClass->m_wSchema, 0xFFFFu);
  EXPECT_EQ(runtimeClass->m_pfnCreateObject, nullptr);
  EXPECT_TRUE(box.IsKindOf(RUNTIME_CLASS(CWnd)));
}

TEST(GroupBoxModel, ColourDefaultsAreTheSystemsAtConstruction) {
  const int elements[] = {COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_ACTIVECAPTION};
  COLORREF original[3];
  for (int i = 0; i < 3; ++i) original[i] = ::GetSysColor(elements[i]);

  InspectableGroupBox before;
  const COLORREF changed[] = {RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)};
  ASSERT_TRUE(::SetSysColors(3, elements, changed));
  InspectableGroupBox after;
  ::SetSysColors(3, elements, original);

  EXPECT_EQ(before.m_borderColor, original[0]);
  EXPECT_EQ(before.m_captionBackColor, original[1]);
  EXPECT_EQ(before.m_clientBackColor, original[1]);
  EXPECT_EQ(before.m_captionTextColor, original[2]);
  EXPECT_EQ(after.m_borderColor, changed[0]);
  EXPECT_EQ(after.m_captionBackColor, changed[1]);
  EXPECT_EQ(after.m_clientBackColor, changed[1]);
  EXPECT_EQ(after.m_captionTextColor, changed[2]);
  EXPECT_EQ(before.m_style, CXPGroupBox::GroupBox);
  EXPECT_EQ(before.m_alignment, CXPGroupBox::Left);
  EXPECT_TRUE(before.m_caption.IsEmpty());
  EXPECT_EQ(before.m_font.GetSafeHandle(), nullptr);
}

TEST(GroupBoxModel, EveryWayOfAttachingAWindowAddsTheIconStyleAndTakesItsFont) {
  TestParent parent(260, 170);
  CFont windowFont;
  const LOGFONTA windowLogFont = Tahoma(-15);
  ASSERT_TRUE(windowFont.CreateFontIndirect(&windowLogFont));
  const LOGFONTA systemFont = LogFontOf(::GetStockObject(SYSTEM_FONT));

  const struct {
    const char* way;
    std::function<bool(InspectableGroupBox&)> attach;
    LOGFONTA font;
  } cases[] = {
      {"subclassing a group box with a font",
       [&](InspectableGroupBox& box) {
         HWND window = CreateButton(parent.Handle(), "Box", kGroupBoxStyle);
         ::SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont.GetSafeHandle()), FALSE);
         return box.SubclassWindow(window) != FALSE;
       },
       windowLogFont},
      {"subclassing a group box without a font",
       [&](InspectableGroupBox& box) { return box.SubclassWindow(CreateButton(parent.Handle(), "Box", kGroupBoxStyle)) != FALSE; },
       systemFont},
      {"the button's Create",
       [&](InspectableGroupBox& box) { return box.Create("Box", kGroupBoxStyle, kBoxRect, parent.Wnd(), 1) != FALSE; },
       systemFont},
      {"the window's Create",
       [&](InspectableGroupBox& box) {
         return box.Create("BUTTON", "Box", kGroupBoxStyle, kBoxRect, parent.Wnd(), 1) != FALSE;
       },
       systemFont},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    InspectableGroupBox box;
    ASSERT_TRUE(c.attach(box));
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(box.m_hWnd, GWL_STYLE));
    EXPECT_EQ(style & BS_TYPEMASK, static_cast<DWORD>(BS_GROUPBOX));
    EXPECT_TRUE(style & BS_ICON);
    EXPECT_TRUE(SameFont(box.m_logFont, c.font)) << box.m_logFont.lfFaceName << " " << box.m_logFont.lfHeight;
    EXPECT_TRUE(SameFont(CaptionFontOf(box), c.font));
  }

  CREATESTRUCTA cs{};
  cs.style = kGroupBoxStyle;
  InspectableGroupBox unattached;
  EXPECT_TRUE(unattached.PreCreateWindow(cs));
  EXPECT_EQ(static_cast<DWORD>(cs.style), kGroupBoxStyle | BS_ICON);
}

TEST(GroupBoxModel, AFontSetOnTheWindowLaterDoesNotReachTheCaption) {
  TestParent parent(260, 170);
  InspectableGroupBox box;
  ASSERT_TRUE(box.Create("Box", kGroupBoxStyle, kBoxRect, parent.Wnd(), 1));
  const HGDIOBJ captionFont = box.m_font.GetSafeHandle();
  const LOGFONTA before = CaptionFontOf(box);
  CFont other;
  const LOGFONTA otherLogFont = Tahoma(-30);
  ASSERT_TRUE(other.CreateFontIndirect(&otherLogFont));
  box.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(other.GetSafeHandle()), TRUE);
  EXPECT_EQ(box.m_font.GetSafeHandle(), captionFont);
  EXPECT_TRUE(SameFont(CaptionFontOf(box), before));
  box.SendMessage(WM_SETFONT, 0, FALSE);
}

class GroupBoxSetters : public ::testing::Test {
protected:
  GroupBoxSetters() : m_parent(260, 170) {
    EXPECT_TRUE(m_box.Create("Box", kGroupBoxStyle, kBoxRect, m_parent.Wnd(), 1));
    PaintNow(m_parent.Handle());
    ::SetWindowSubclass(m_box.m_hWnd, CountPaints, 7, reinterpret_cast<DWORD_PTR>(this));
  }
  ~GroupBoxSetters() override { ::RemoveWindowSubclass(m_box.m_hWnd, CountPaints, 7); }

  // The parent's repaint repaints the control too; only a paint before the parent's is the control's own.
  static LRESULT CALLBACK CountPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR fixture) {
    auto& self = *reinterpret_cast<GroupBoxSetters*>(fixture);
    if (message == WM_PAINT) {
      ++self.m_boxPaints;
      if (self.m_parent.PaintCount() == self.m_parentPaintsBefore) ++self.m_boxPaintsBeforeParent;
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
  }

  void StartCounting() {
    m_parentPaintsBefore = m_parent.PaintCount();
    m_boxPaintsBeforeParent = 0;
  }

  // Paints over the inner rectangle behind the window system's back: only a real repaint removes it.
  void Scribble() {
    HDC dc = ::GetDC(m_box.m_hWnd);
    CBrush scribble(kScribble);
    const RECT inner{1, 1, 199, 99};
    ::FillRect(dc, &inner, scribble);
    ::ReleaseDC(m_box.m_hWnd, dc);
  }

  static constexpr COLORREF kScribble = RGB(255, 255, 0);
  TestParent m_parent;
  InspectableGroupBox m_box;
  int m_boxPaints = 0;
  int m_parentPaintsBefore = 0;
  int m_boxPaintsBeforeParent = 0;
};

TEST_F(GroupBoxSetters, EachRepaintsTheControlAndTheParentAreaBeforeReturning) {
  LOGFONTA font = Tahoma(-12);
  const struct {
    const char* setter;
    std::function<void(CXPGroupBox&)> call;
  } cases[] = {
      {"SetBorderColor", [](CXPGroupBox& box) { box.SetBorderColor(RGB(1, 1, 1)); }},
      {"SetCaptionTextColor", [](CXPGroupBox& box) { box.SetCaptionTextColor(RGB(2, 2, 2)); }},
      {"SetBackgroundColor(two)", [](CXPGroupBox& box) { box.SetBackgroundColor(RGB(3, 3, 3), RGB(4, 4, 4)); }},
      {"SetBackgroundColor(one)", [](CXPGroupBox& box) { box.SetBackgroundColor(RGB(5, 5, 5)); }},
      {"SetGroupBoxStyle", [](CXPGroupBox& box) { box.SetGroupBoxStyle(CXPGroupBox::Window); }},
      {"SetText", [](CXPGroupBox& box) { box.SetText("Text"); }},
      {"SetFontBold", [](CXPGroupBox& box) { box.SetFontBold(TRUE); }},
      {"SetFontName", [](CXPGroupBox& box) { box.SetFontName("Tahoma", ANSI_CHARSET); }},
      {"SetFontUnderline", [](CXPGroupBox& box) { box.SetFontUnderline(TRUE); }},
      {"SetFontItalic", [](CXPGroupBox& box) { box.SetFontItalic(TRUE); }},
      {"SetFontSize", [](CXPGroupBox& box) { box.SetFontSize(12); }},
      {"SetCaptionFont", [&](CXPGroupBox& box) { box.SetCaptionFont(font); }},
      {"SetAlignment", [](CXPGroupBox& box) { box.SetAlignment(CXPGroupBox::Right); }},
      {"SetClientBackgroundColor", [](CXPGroupBox& box) { box.SetClientBackgroundColor(RGB(6, 6, 6)); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setter);
    Scribble();
    StartCounting();
    c.call(m_box);
    EXPECT_GT(m_boxPaintsBeforeParent, 0) << "the control first";
    EXPECT_GT(m_parent.PaintCount(), m_parentPaintsBefore) << "then the parent";
    const RECT painted = m_parent.LastPaintRect();
    EXPECT_TRUE(::EqualRect(&kBoxRect, &painted)) << "the parent's area under the control";
    EXPECT_FALSE(BoundsOfColor(WindowCapture(m_box.m_hWnd), kScribble).has_value());
  }
}

TEST_F(GroupBoxSetters, ChainedSettersAllActOnTheSameBoxAndEachRepaints) {
  const LOGFONTA font = Tahoma(-14);
  const int paints = m_boxPaints;
  CXPGroupBox& result = m_box.SetBorderColor(RGB(1, 0, 0))
                            .SetCaptionTextColor(RGB(2, 0, 0))
                            .SetBackgroundColor(RGB(3, 0, 0), RGB(4, 0, 0))
                            .SetBackgroundColor(RGB(5, 0, 0))
                            .SetGroupBoxStyle(static_cast<CXPGroupBox::GroupBoxStyle>(5))
                            .SetText("Chained")
                            .SetCaptionFont(font)
                            .SetFontBold(2)
                            .SetFontName("Courier New", ANSI_CHARSET)
                            .SetFontUnderline(1)
                            .SetFontItalic(1)
                            .SetFontSize(10)
                            .SetAlignment(CXPGroupBox::Center);
  EXPECT_EQ(&result, &m_box);
  EXPECT_GE(m_boxPaints - paints, 13);

  EXPECT_EQ(m_box.m_borderColor, RGB(1, 0, 0));
  EXPECT_EQ(m_box.m_captionTextColor, RGB(2, 0, 0));
  EXPECT_EQ(m_box.m_captionBackColor, RGB(5, 0, 0));
  EXPECT_EQ(m_box.m_clientBackColor, RGB(5, 0, 0));
  EXPECT_EQ(m_box.m_style, 5) << "stored as given";
  EXPECT_EQ(m_box.m_caption.str(), " Chained ");
  EXPECT_EQ(m_box.m_alignment, CXPGroupBox::Center);
  const LOGFONTA made = CaptionFontOf(m_box);
  EXPECT_EQ(made.lfWeight, FW_BOLD);
  EXPECT_STREQ(made.lfFaceName, "Courier New");
  EXPECT_EQ(made.lfUnderline, 1);
  EXPECT_EQ(made.lfItalic, 1);
  EXPECT_TRUE(SameFont(made, m_box.m_logFont));
}

TEST_F(GroupBoxSetters, AlignmentOutsideTheThreeIsLeft) {
  const struct {
    int value;
    CXPGroupBox::CaptionAlignment stored;
  } cases[] = {{1, CXPGroupBox::Center}, {2, CXPGroupBox::Right}, {3, CXPGroupBox::Left},
               {-1, CXPGroupBox::Left},  {2, CXPGroupBox::Right}, {0, CXPGroupBox::Left}};
  for (const auto& c : cases) {
    m_box.SetAlignment(static_cast<CXPGroupBox::CaptionAlignment>(c.value));
    EXPECT_EQ(m_box.m_alignment, c.stored) << c.value;
  }
}

TEST_F(GroupBoxSetters, TextIsStoredBetweenTwoSpaces) {
  const struct {
    const char* text;
    const char* caption;
  } cases[] = {{"Group", " Group "}, {" x ", "  x  "}, {"", "  "}, {"Group", " Group "}, {nullptr, "  "}};
  for (const auto& c : cases) {
    m_box.SetText(c.text);
    EXPECT_EQ(m_box.m_caption.str(), c.caption) << (c.text ? c.text : "null");
  }
  // Two spaces are a caption: the window text is not adopted any more.
  ::SetWindowTextA(m_box.m_hWnd, "Window text");
  PaintNow(m_parent.Handle());
  EXPECT_EQ(m_box.m_caption.str(), "  ");
}

TEST(GroupBoxText, BeforeTheWindowExistsNothingIsStored) {
  TestParent parent(260, 170);
  InspectableGroupBox box;
  EXPECT_EQ(&box.SetText("Early"), &box);
  EXPECT_TRUE(box.m_caption.IsEmpty());
  ASSERT_TRUE(box.Create("From the window", kGroupBoxStyle, kBoxRect, parent.Wnd(), 1));
  PaintNow(parent.Handle());
  EXPECT_EQ(box.m_caption.str(), " From the window ");
}

TEST_F(GroupBoxSetters, FontSettersChangeTheirFieldAndRebuildTheFont) {
  const struct {
    const char* setter;
    std::function<void(CXPGroupBox&)> call;
    std::function<bool(const LOGFONTA&)> holds;
  } cases[] = {
      {"SetFontBold(2)", [](CXPGroupBox& box) { box.SetFontBold(2); },
       [](const LOGFONTA& font) { return font.lfWeight == FW_BOLD; }},
      {"SetFontBold(0)", [](CXPGroupBox& box) { box.SetFontBold(0); },
       [](const LOGFONTA& font) { return font.lfWeight == FW_NORMAL; }},
      {"SetFontUnderline(1)", [](CXPGroupBox& box) { box.SetFontUnderline(1); },
       [](const LOGFONTA& font) { return font.lfUnderline == 1; }},
      {"SetFontItalic(1)", [](CXPGroupBox& box) { box.SetFontItalic(1); },
       [](const LOGFONTA& font) { return font.lfItalic == 1; }},
      {"SetFontName", [](CXPGroupBox& box) { box.SetFontName("Courier New", SYMBOL_CHARSET); },
       [](const LOGFONTA& font) {
         return std::strcmp(font.lfFaceName, "Courier New") == 0 && font.lfCharSet == SYMBOL_CHARSET;
       }},
      // Cut to the 31 characters the description holds.
      {"SetFontName(40 characters)",
       [](CXPGroupBox& box) { box.SetFontName(std::string(40, 'F').c_str(), ANSI_CHARSET); },
       [](const LOGFONTA& font) { return std::string(font.lfFaceName) == std::string(31, 'F'); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.setter);
    const LOGFONTA before = m_box.m_logFont;
    c.call(m_box);
    EXPECT_TRUE(c.holds(m_box.m_logFont));
    EXPECT_TRUE(c.holds(CaptionFontOf(m_box)));
    EXPECT_EQ(m_box.m_logFont.lfHeight, before.lfHeight);
  }
}

TEST_F(GroupBoxSetters, FontSizeIsInPointsOnTheScreenAndKeepsTheRest) {
  HDC screen = ::GetDC(nullptr);
  const int pixelsPerInch = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  ASSERT_EQ(pixelsPerInch, 96) << "the heights below are for 96 pixels per inch";

  LOGFONTA wide = Tahoma(-20);
  wide.lfWidth = 7;
  wide.lfWeight = FW_BOLD;
  wide.lfItalic = 1;
  wide.lfUnderline = 1;
  wide.lfCharSet = ANSI_CHARSET;
  m_box.SetCaptionFont(wide);
  EXPECT_EQ(std::memcmp(&m_box.m_logFont, &wide, sizeof wide), 0) << "every field replaced";

  const struct {
    int points;
    LONG height;
  } cases[] = {{8, -10}, {9, -12}, {10, -13}};
  for (const auto& c : cases) {
    m_box.SetFontSize(c.points);
    LOGFONTA expected = wide;
    expected.lfHeight = c.height;
    expected.lfWidth = 0;
    EXPECT_TRUE(SameFont(m_box.m_logFont, expected)) << c.points << " points: " << m_box.m_logFont.lfHeight;
    EXPECT_TRUE(SameFont(CaptionFontOf(m_box), expected)) << c.points << " points";
  }
}

TEST(GroupBoxWithoutWindow, SettersStoreAndDoNotRepaint) {
  InspectableGroupBox box;
  box.SetBorderColor(RGB(1, 2, 3)).SetFontBold(TRUE).SetAlignment(CXPGroupBox::Right);
  box.SetClientBackgroundColor(RGB(4, 5, 6));
  EXPECT_EQ(box.m_borderColor, RGB(1, 2, 3));
  EXPECT_EQ(box.m_logFont.lfWeight, FW_BOLD);
  EXPECT_EQ(box.m_alignment, CXPGroupBox::Right);
  EXPECT_EQ(box.m_clientBackColor, RGB(4, 5, 6));
}

}  // namespace
