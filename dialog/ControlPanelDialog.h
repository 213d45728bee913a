#pragma once

#include "Button.h"
#include "Dialog.h"
#include "GdiObject.h"
#include "IdeHost.h"
#include "XPGroupBox.h"

// The control panel: one row of On/Off boxes per IDE inside the themed group box.
// Loads each row's state from the registry when it opens and writes every switchable row on OK.
class CControlPanelDialog : public CDialog {
public:
  explicit CControlPanelDialog(CWnd* pParent = nullptr);
  ~CControlPanelDialog() override = default;

protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;

  void OnPaint();
  HCURSOR OnQueryDragIcon();
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);

  void OnBnClickedVs5On();
  void OnBnClickedVs5Off();
  void OnBnClickedVs6On();
  void OnBnClickedVs6Off();
  void OnBnClickedVsNetOn();
  void OnBnClickedVsNetOff();
  void OnBnClickedVsNet2003On();
  void OnBnClickedVsNet2003Off();
  void OnBnClickedVs2005On();
  void OnBnClickedVs2005Off();

  void LoadAddinStates();
  void ApplyAddinStates();

  DECLARE_MESSAGE_MAP()

private:
  // The row table: each IDE's pair of boxes, by control id and member. On ids are even, Off the next odd.
  struct OnOffPair {
    IdeHost host;
    int onId;
    int offId;
    CButton CControlPanelDialog::*on;
    CButton CControlPanelDialog::*off;
  };
  static const OnOffPair kRows[];

  const OnOffPair& RowOf(IdeHost host) const;
  void CheckOnly(IdeHost host, bool on);

  CBrush m_backgroundBrush;
  HICON m_hIcon;
  CButton m_vs5On;
  CButton m_vs5Off;
  CButton m_vs6On;
  CButton m_vs6Off;
  CButton m_vsNetOn;
  CButton m_vsNetOff;
  CButton m_vsNet2003On;
  CButton m_vsNet2003Off;
  CButton m_vs2005On;
  CButton m_vs2005Off;
  CXPGroupBox m_groupBox;
};
