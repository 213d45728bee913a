#include "ControlPanelDialog.h"

#include "AddinRegistration.h"
#include "Dc.h"
#include "IconPlacement.h"
#include "resource.h"

// In IdeHost order, so that a row is found by its host's value.
const CControlPanelDialog::OnOffPair CControlPanelDialog::kRows[] = {
    {IdeHost::Vs5, IDC_VS5_ON, IDC_VS5_OFF, &CControlPanelDialog::m_vs5On, &CControlPanelDialog::m_vs5Off},
    {IdeHost::Vs6, IDC_VS6_ON, IDC_VS6_OFF, &CControlPanelDialog::m_vs6On, &CControlPanelDialog::m_vs6Off},
    {IdeHost::VsNet, IDC_VSNET_ON, IDC_VSNET_OFF, &CControlPanelDialog::m_vsNetOn, &CControlPanelDialog::m_vsNetOff},
    {IdeHost::VsNet2003, IDC_VSNET2003_ON, IDC_VSNET2003_OFF, &CControlPanelDialog::m_vsNet2003On,
     &CControlPanelDialog::m_vsNet2003Off},
    {IdeHost::Vs2005, IDC_VS2005_ON, IDC_VS2005_OFF, &CControlPanelDialog::m_vs2005On,
     &CControlPanelDialog::m_vs2005Off},
};

BEGIN_MESSAGE_MAP(CControlPanelDialog, CDialog)
  ON_WM_PAINT()
  ON_WM_QUERYDRAGICON()
  ON_WM_CTLCOLOR()
  ON_BN_CLICKED(IDOK, ApplyAddinStates)
  ON_BN_CLICKED(IDC_VS5_ON, OnBnClickedVs5On)
  ON_BN_CLICKED(IDC_VS5_OFF, OnBnClickedVs5Off)
  ON_BN_CLICKED(IDC_VS6_ON, OnBnClickedVs6On)
  ON_BN_CLICKED(IDC_VS6_OFF, OnBnClickedVs6Off)
  ON_BN_CLICKED(IDC_VSNET_ON, OnBnClickedVsNetOn)
  ON_BN_CLICKED(IDC_VSNET_OFF, OnBnClickedVsNetOff)
  ON_BN_CLICKED(IDC_VSNET2003_ON, OnBnClickedVsNet2003On)
  ON_BN_CLICKED(IDC_VSNET2003_OFF, OnBnClickedVsNet2003Off)
  ON_BN_CLICKED(IDC_VS2005_ON, OnBnClickedVs2005On)
  ON_BN_CLICKED(IDC_VS2005_OFF, OnBnClickedVs2005Off)
END_MESSAGE_MAP()

CControlPanelDialog::CControlPanelDialog(CWnd* pParent)
    : CDialog(IDD_CONTROL_PANEL, pParent),
      m_hIcon(::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

void CControlPanelDialog::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  for (const OnOffPair& row : kRows) {
    DDX_Control(pDX, row.onId, this->*row.on);
    DDX_Control(pDX, row.offId, this->*row.off);
  }
  DDX_Control(pDX, IDC_GROUPBOX, m_groupBox);
}

BOOL CControlPanelDialog::OnInitDialog() {
  CDialog::OnInitDialog();
  m_backgroundBrush.Attach(::CreateSolidBrush(RGB(255, 255, 255)));
  SetIcon(m_hIcon, TRUE);
  SetIcon(m_hIcon, FALSE);
  m_groupBox.SetGroupBoxStyle(CXPGroupBox::GroupBox);
  m_groupBox.SetClientBackgroundColor(RGB(255, 255, 255));
  LoadAddinStates();
  return TRUE;
}

void CControlPanelDialog::OnPaint() {
  if (!IsIconic()) {
    CDialog::OnPaint();
    return;
  }
  CPaintDC dc(this);
  SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
  RECT client;
  GetClientRect(&client);
  const IconOrigin origin = CentredIconOrigin(client.right - client.left, client.bottom - client.top,
                                              ::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON));
  ::DrawIcon(dc.GetSafeHdc(), origin.x, origin.y, m_hIcon);
}

HCURSOR CControlPanelDialog::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

// The row labels are drawn straight onto the group box's white body.
HBRUSH CControlPanelDialog::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
  if (nCtlColor != CTLCOLOR_STATIC) return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
  pDC->SetBkMode(TRANSPARENT);
  return m_backgroundBrush;
}

void CControlPanelDialog::OnBnClickedVs5On() { CheckOnly(IdeHost::Vs5, true); }
void CControlPanelDialog::OnBnClickedVs5Off() { CheckOnly(IdeHost::Vs5, false); }
void CControlPanelDialog::OnBnClickedVs6On() { CheckOnly(IdeHost::Vs6, true); }
void CControlPanelDialog::OnBnClickedVs6Off() { CheckOnly(IdeHost::Vs6, false); }
void CControlPanelDialog::OnBnClickedVsNetOn() { CheckOnly(IdeHost::VsNet, true); }
void CControlPanelDialog::OnBnClickedVsNetOff() { CheckOnly(IdeHost::VsNet, false); }
void CControlPanelDialog::OnBnClickedVsNet2003On() { CheckOnly(IdeHost::VsNet2003, true); }
void CControlPanelDialog::OnBnClickedVsNet2003Off() { CheckOnly(IdeHost::VsNet2003, false); }
void CControlPanelDialog::OnBnClickedVs2005On() { CheckOnly(IdeHost::Vs2005, true); }
void CControlPanelDialog::OnBnClickedVs2005Off() { CheckOnly(IdeHost::Vs2005, false); }

const CControlPanelDialog::OnOffPair& CControlPanelDialog::RowOf(IdeHost host) const {
  return kRows[static_cast<int>(host)];
}

// The system has already toggled the clicked box; both are set outright so a row never has two checks.
void CControlPanelDialog::CheckOnly(IdeHost host, bool on) {
  const OnOffPair& row = RowOf(host);
  (this->*row.on).SetCheck(on ? BST_CHECKED : BST_UNCHECKED);
  (this->*row.off).SetCheck(on ? BST_UNCHECKED : BST_CHECKED);
}

// A row shows a state only when its registration reads as On or Off; every other row stays disabled.
void CControlPanelDialog::LoadAddinStates() {
  for (const OnOffPair& row : kRows) {
    (this->*row.on).EnableWindow(FALSE);
    (this->*row.off).EnableWindow(FALSE);
  }
  for (const OnOffPair& row : kRows) {
    const auto registration = FindRegistration(row.host);
    if (!registration) continue;
    AddinState state = AddinState::Unavailable;
    try {
      state = ReadAddinState(*registration);
    } catch (const RegistryError&) {
      continue;
    }
    if (state == AddinState::Unavailable) continue;
    (this->*row.on).EnableWindow(TRUE);
    (this->*row.off).EnableWindow(TRUE);
    (state == AddinState::On ? this->*row.on : this->*row.off).SetCheck(BST_CHECKED);
  }
}

// Every switchable row is written, changed or not; a row that fails keeps its value and the rest go on.
void CControlPanelDialog::ApplyAddinStates() {
  for (const OnOffPair& row : kRows) {
    const auto registration = FindRegistration(row.host);
    const CButton& onBox = this->*row.on;
    if (!registration || onBox.IsWindowEnabled() != TRUE) continue;
    const AddinState state = onBox.GetCheck() == BST_CHECKED ? AddinState::On : AddinState::Off;
    try {
      WriteAddinState(*registration, state);
    } catch (const RegistryError&) {
    }
  }
  OnOK();
}
