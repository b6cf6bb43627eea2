#include "shell/app/CAppMainFrame.h"
#include "shell/app/CMainApp.h"

// The program: the one application object, which makes the main frame at start-up.
namespace {

CMainApp theApp;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showCommand) {
    SetMainFrameFactory([]() -> MainFrameShell* { return new CAppMainFrame; });
    return AfxWinMain(instance, previous, commandLine, showCommand);
}
