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
