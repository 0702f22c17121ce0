// Drives vantelo.exe once without a user, for scripts/run on a machine with no display:
// shows the window, clicks the button, saves both as BMP, closes both, and prints the
// registry value before and after. Usage: run_demo FOLDER (where the screenshots go)
#include <windows.h>

#include <stdio.h>

#include "repair/advapi_registry.h"
#include "tools/window_search.h"

namespace {

using vantelo::AdvapiRegistry;
using vantelo::RegistryValuePath;

void printValue(const char* when) {
    AdvapiRegistry registry;
    RegistryValuePath path;
    vantelo::buildValuePath(vantelo::readCurrentControlSet(registry), &path);
    HKEY key;
    DWORD type = 0, value = 0, size = sizeof value;
    LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.key, 0, KEY_READ, &key);
    if (result == ERROR_SUCCESS) {
        result =
            RegQueryValueExA(key, path.valueName, nullptr, &type, reinterpret_cast<BYTE*>(&value), &size);
        RegCloseKey(key);
    }
    if (result != ERROR_SUCCESS) {
        printf("HKLM\\%s\\%s %s: absent\n", path.key, path.valueName, when);
    } else if (type == REG_DWORD && size == 4) {
        printf("HKLM\\%s\\%s %s: REG_DWORD %lu\n", path.key, path.valueName, when, value);
    } else {
        printf("HKLM\\%s\\%s %s: type %lu, %lu bytes\n", path.key, path.valueName, when, type, size);
    }
}

// Asks scripts/run for a screenshot of `rect` on the X screen (Wine's own screen reads miss
// the title bar): writes FOLDER\NAME.rect, waits for FOLDER\NAME.done.
bool requestScreenshot(const char* folder, const char* name, const RECT& rect) {
    char path[MAX_PATH];
    wsprintfA(path, "%s\\%s.rect", folder, name);
    FILE* file = fopen(path, "w");
    if (file == nullptr) return false;
    fprintf(file, "%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
    fclose(file);
    wsprintfA(path, "%s\\%s.done", folder, name);
    for (int i = 0; i < 2000; ++i) {
        if (GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES) return true;
        Sleep(10);
    }
    return false;
}

HWND waitForWindow(DWORD pid, const char* className) {
    HWND found = nullptr;
    for (int i = 0; i < 1000 && (found = vantelo::findTopLevelWindow(pid, className)) == nullptr; ++i)
        Sleep(10);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: run_demo FOLDER\n");
        return 2;
    }
    printValue("before");

    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != '\\') --length;
    lstrcpyA(path + length, "vantelo.exe");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process;
    if (!CreateProcessA(path, nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        fprintf(stderr, "run_demo: cannot start %s\n", path);
        return 1;
    }
    int status = 1;
    const HWND window = waitForWindow(process.dwProcessId, "WTWindow");
    if (window != nullptr) {
        Sleep(500);
        RECT rect;
        GetWindowRect(window, &rect);
        const bool windowSaved = requestScreenshot(argv[1], "window", rect);

        // A real click on the button, as a user makes it.
        RECT button;
        GetWindowRect(GetDlgItem(window, 120), &button);
        SetCursorPos((button.left + button.right) / 2, (button.top + button.bottom) / 2);
        INPUT clicks[2] = {};
        clicks[0].type = clicks[1].type = INPUT_MOUSE;
        clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
        clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
        SendInput(2, clicks, sizeof clicks[0]);

        const HWND box = waitForWindow(process.dwProcessId, "#32770");
        bool boxSaved = false;
        if (box != nullptr) {
            Sleep(500);
            RECT boxRect;
            GetWindowRect(box, &boxRect);
            UnionRect(&rect, &rect, &boxRect);
            boxSaved = requestScreenshot(argv[1], "message-box", rect);
            PostMessageA(box, WM_COMMAND, IDOK, 0);
        }
        Sleep(300);
        PostMessageA(window, WM_CLOSE, 0, 0);
        status = windowSaved && boxSaved ? 0 : 1;
    }
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        status = 1;
    }
    DWORD exitCode = 1;
    GetExitCodeProcess(process.hProcess, &exitCode);
    printf("vantelo.exe exit code: %lu\n", exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    printValue("after");
    return exitCode == 0 ? status : 1;
}
