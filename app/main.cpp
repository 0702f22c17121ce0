// Vantelo: sets DisableAbsoluteVolume so a Bluetooth speaker's volume follows the PC's.
#include <ole2.h>
#include <windows.h>

#include "app/main_window.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    OleInitialize(nullptr);
    int exitCode = -1;
    {
        vantelo::MainWindow window;
        if (window.create()) {
            window.show();
            exitCode = window.runMessageLoop();
        } else {
            MessageBoxA(nullptr, "运行时出错!\r\n\r\n载入启动窗口失败", "错误", MB_OK | MB_ICONERROR);
        }
    }
    OleUninitialize();
    return exitCode;
}

// The process starts here, not in the MinGW runtime's start-up code: the program has no
// static constructors, no TLS and no command line to parse, and that code is a fifth of the
// exe. msvcrt.dll initialises itself when it loads.
extern "C" __attribute__((force_align_arg_pointer)) void vanteloStart() {
    ExitProcess(static_cast<UINT>(WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0)));
}
