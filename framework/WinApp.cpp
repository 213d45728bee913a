#include "WinApp.h"

namespace {

CWinApp* theApp = nullptr;

}  // namespace

CWinApp::CWinApp() { theApp = this; }

CWinApp::~CWinApp() { theApp = nullptr; }

int CWinApp::Run() {
  MSG message;
  while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&message);
    ::DispatchMessageA(&message);
  }
  return ExitInstance();
}

CWinApp* AfxGetApp() { return theApp; }
