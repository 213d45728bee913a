#pragma once

#define IDD_CONTROL_PANEL 102
#define IDR_MAINFRAME 128

// Each row's On box has the even id and its Off box the next odd one.
#define IDC_VS5_ON 1000
#define IDC_VS5_OFF 1001
#define IDC_VS6_ON 1002
#define IDC_VS6_OFF 1003
#define IDC_VSNET_ON 1004
#define IDC_VSNET_OFF 1005
#define IDC_VSNET2003_ON 1006
#define IDC_VSNET2003_OFF 1007
#define IDC_VS2005_ON 1008
#define IDC_VS2005_OFF 1009
#define IDC_GROUPBOX 1010
