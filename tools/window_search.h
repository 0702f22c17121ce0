// Finding a top-level window of another process, for the programs that drive vantelo.exe
// from outside (the Win32 tests, the headless run, the benchmarks).
#pragma once
#include <windows.h>

namespace vantelo {

struct WindowSearch {
    DWORD pid;
    const char* className;  // null: any class
    bool visibleOnly;
    HWND found;
};

inline BOOL CALLBACK matchSearchedWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    char className[64] = "";
    GetClassNameA(window, className, sizeof className);
    if (pid != search->pid || (search->visibleOnly && !IsWindowVisible(window)) ||
        (search->className != nullptr && lstrcmpA(className, search->className) != 0)) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

// The window now, or null: one pass over the top-level windows.
inline HWND findTopLevelWindow(DWORD pid, const char* className, bool visibleOnly = true) {
    WindowSearch search = {pid, className, visibleOnly, nullptr};
    EnumWindows(&matchSearchedWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace vantelo
