// Starts the real vantelo.exe and finds its windows, as a user's input would meet them.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace vantelo::testing {

// The folder of the test program, where the build puts vantelo.exe and the helpers.
std::string buildFolder();

// A top-level window of process `pid`, of `className` (any when null), visible unless
// `visibleOnly` is false.
HWND findWindowOf(DWORD pid, const char* className, DWORD timeoutMs = 10000, bool visibleOnly = true);

// Waits until `condition` holds, polling and pumping this thread's messages; false on timeout.
template <class Condition>
bool waitFor(Condition condition, DWORD timeoutMs = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    return true;
}

class VanteloProcess {
public:
    VanteloProcess() = default;
    VanteloProcess(const VanteloProcess&) = delete;
    VanteloProcess& operator=(const VanteloProcess&) = delete;
    ~VanteloProcess();

    // Starts vantelo.exe (on `desktop` when given) and, unless told not to, waits for its
    // main window to show.
    bool start(const char* arguments = "", const char* desktop = nullptr, bool waitForWindow = true);
    // The exit code, or STILL_ACTIVE when it has not ended within `timeoutMs`.
    DWORD waitForExit(DWORD timeoutMs = 10000);

    HWND window() const { return window_; }
    DWORD processId() const { return info_.dwProcessId; }
    DWORD threadId() const { return info_.dwThreadId; }
    HWND control(int id) const { return GetDlgItem(window_, id); }
    // The group box's label is its child, not the window's.
    HWND label() const { return GetDlgItem(control(100), 110); }
    // The open message box of this process, or null.
    HWND messageBox(DWORD timeoutMs = 5000) const {
        return findWindowOf(info_.dwProcessId, "#32770", timeoutMs);
    }
    HWND focus() const;
    HANDLE process() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_ = {};
    HWND window_ = nullptr;
};

// Real input, through hit-testing, capture and focus.
void moveMouseTo(int x, int y);
void mouseButton(DWORD downFlag, DWORD upFlag);
void clickAt(int x, int y);
void pressKey(WORD key, WORD modifier = 0);
// The centre of a window on the screen.
POINT centreOf(HWND window);

// A window as the screen shows it: its pixels row by row.
struct ScreenPixels {
    int width = 0;
    std::vector<COLORREF> pixels;
    COLORREF at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int height() const { return width ? static_cast<int>(pixels.size()) / width : 0; }
};
ScreenPixels screenPixels(HWND window);

// The text of a message box and its title, as code page 936 bytes.
std::string windowTextOf(HWND window);
std::string messageBoxText(HWND box);

}  // namespace vantelo::testing

namespace vantelo::testing {

// Runs `function` of the test probe DLL on a new thread inside `process` (loading the DLL
// there first) and returns the thread's exit code; `argument` is its parameter.
DWORD callProbe(HANDLE process, const char* function, UINT_PTR argument = 0);

}  // namespace vantelo::testing
