#pragma once

#include "Button.h"
#include "Dc.h"
#include "GdiObject.h"
#include "String.h"

#include <windows.h>

// A group box that draws itself: a frame whose caption sits on a colour ramp, either in a small
// rounded box on the frame's top edge or in a header band across the top.
class CXPGroupBox : public CButton {
  DECLARE_DYNAMIC(CXPGroupBox)

public:
  // Stored as given: zero draws the frame with a caption box, any other value the header band.
  enum GroupBoxStyle : int { GroupBox = 0, Window = 1 };
  enum CaptionAlignment : int { Left = 0, Center = 1, Right = 2 };

  CXPGroupBox();

  void PreSubclassWindow() override;
  using CButton::Create;
  BOOL Create(LPCSTR className, LPCSTR windowName, DWORD style, const RECT& rect, CWnd* parent, UINT id,
              CCreateContext* context = nullptr) override;
  BOOL PreCreateWindow(CREATESTRUCTA& cs) override;

  // Every setter repaints at once and returns the object, so that calls can be chained.
  virtual CXPGroupBox& SetBorderColor(COLORREF color);
  virtual CXPGroupBox& SetCaptionTextColor(COLORREF color);
  virtual CXPGroupBox& SetBackgroundColor(COLORREF captionColor, COLORREF clientColor);
  virtual CXPGroupBox& SetBackgroundColor(COLORREF color);
  virtual CXPGroupBox& SetGroupBoxStyle(GroupBoxStyle style);
  // Needs the window: before it exists nothing is stored, and the caption comes from the window text.
  virtual CXPGroupBox& SetText(LPCSTR text);
  virtual CXPGroupBox& SetFontBold(BOOL bold);
  // A face name longer than the 31 characters a font description holds is cut to them.
  virtual CXPGroupBox& SetFontName(const CString& faceName, BYTE charSet);
  virtual CXPGroupBox& SetFontUnderline(BYTE underline);
  virtual CXPGroupBox& SetFontItalic(BYTE italic);
  // Keeps the old size when no font of the new one can be made.
  virtual CXPGroupBox& SetFontSize(int points);
  virtual CXPGroupBox& SetCaptionFont(LOGFONTA logFont);
  // Any value other than Center or Right gives Left.
  virtual CXPGroupBox& SetAlignment(CaptionAlignment alignment);

  void SetClientBackgroundColor(COLORREF color);
  // Repaints the control, then the parent's area under it, before returning; does nothing without a window.
  void UpdateAppearance();
  // Fills the rectangle with the colour ramp, or with one solid colour outlined by the selected pen
  // on displays of 16 bits per pixel or fewer; leaves the pen and brush as it found them.
  void PaintGradient(CDC* dc, LPRECT rect, COLORREF color);

protected:
  void OnPaint();
  DECLARE_MESSAGE_MAP()

  // Open to derived classes, so that one can read the state back; nothing else reaches it.
  CString m_caption;
  COLORREF m_borderColor;
  COLORREF m_captionBackColor;
  COLORREF m_clientBackColor;
  COLORREF m_captionTextColor;
  GroupBoxStyle m_style = GroupBox;
  CaptionAlignment m_alignment = Left;
  LOGFONTA m_logFont{};
  CFont m_font;

private:
  void RebuildFont();
  RECT DrawFrameStyle(CDC& dc, const RECT& inner, SIZE caption);
  RECT DrawHeaderStyle(CDC& dc, const RECT& inner, SIZE caption);
};
