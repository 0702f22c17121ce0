// Starts the real vantelo.exe and finds its windows, as a user's input would meet them.
#include "vantelo_process.h"

#include <psapi.h>

#include "tools/window_search.h"

namespace vantelo::testing {

std::string buildFolder() {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path, length);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

HWND findWindowOf(DWORD pid, const char* className, DWORD timeoutMs, bool visibleOnly) {
    HWND found = nullptr;
    waitFor([&] { return (found = findTopLevelWindow(pid, className, visibleOnly)) != nullptr; }, timeoutMs);
    return found;
}

VanteloProcess::~VanteloProcess() {
    if (info_.hProcess == nullptr) return;
    if (waitForExit(0) == STILL_ACTIVE) {
        TerminateProcess(info_.hProcess, 99);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

bool VanteloProcess::start(const char* arguments, const char* desktop, bool waitForWindow) {
    std::string command = "\"" + buildFolder() + "vantelo.exe\" " + arguments;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.lpDesktop = const_cast<char*>(desktop);
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &info_)) {
        return false;
    }
    if (!waitForWindow) return true;
    WaitForInputIdle(info_.hProcess, 10000);
    // On another desktop its windows are out of this thread's sight.
    if (desktop != nullptr) return true;
    window_ = findWindowOf(info_.dwProcessId, "WTWindow");
    return window_ != nullptr;
}

DWORD VanteloProcess::waitForExit(DWORD timeoutMs) {
    if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

HWND VanteloProcess::focus() const {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(info_.dwThreadId, &info) ? info.hwndFocus : nullptr;
}

void moveMouseTo(int x, int y) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Wine warps the X pointer to follow, and an X motion event still on its way can put
    // the cursor back: move until it stays where it was sent.
    for (int attempt = 0; attempt < 20; ++attempt) {
        SendInput(1, &input, sizeof input);
        Sleep(50);
        POINT at;
        bool stayed = true;
        for (int check = 0; check < 3 && stayed; ++check) {
            GetCursorPos(&at);
            stayed = at.x == x && at.y == y;
            Sleep(20);
        }
        if (stayed) return;
    }
}

void mouseButton(DWORD downFlag, DWORD upFlag) {
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = downFlag;
    inputs[1].mi.dwFlags = upFlag;
    SendInput(2, inputs, sizeof inputs[0]);
    Sleep(50);
}

void clickAt(int x, int y) {
    moveMouseTo(x, y);
    mouseButton(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
}

void pressKey(WORD key, WORD modifier) {
    INPUT inputs[4] = {};
    int count = 0;
    auto add = [&](WORD virtualKey, DWORD flags) {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = virtualKey;
        inputs[count].ki.dwFlags = flags;
        ++count;
    };
    if (modifier) add(modifier, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    if (modifier) add(modifier, KEYEVENTF_KEYUP);
    SendInput(count, inputs, sizeof inputs[0]);
    Sleep(50);
}

POINT centreOf(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

ScreenPixels screenPixels(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    ScreenPixels shown;
    shown.width = rect.right - rect.left;
    const HDC screen = GetDC(nullptr);
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) shown.pixels.push_back(GetPixel(screen, x, y));
    }
    ReleaseDC(nullptr, screen);
    return shown;
}

std::string windowTextOf(HWND window) {
    // WM_GETTEXT, not GetWindowTextA: that one reads no control of another process.
    char text[1024] = "";
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

std::string messageBoxText(HWND box) {
    return windowTextOf(GetDlgItem(box, 0xFFFF));
}

}  // namespace vantelo::testing

namespace vantelo::testing {

namespace {

DWORD runRemoteThread(HANDLE process, void* start, void* argument) {
    const HANDLE thread = CreateRemoteThread(
        process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(start), argument, 0, nullptr);
    if (thread == nullptr) return 0xFFFFFFFF;
    WaitForSingleObject(thread, 300000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeThread(thread, &code);
    CloseHandle(thread);
    return code;
}

// Where a DLL sits in another process.
BYTE* remoteModule(HANDLE process, const char* name) {
    HMODULE modules[512];
    DWORD needed = 0;
    if (!EnumProcessModules(process, modules, sizeof modules, &needed)) return nullptr;
    for (DWORD i = 0; i < needed / sizeof modules[0]; ++i) {
        char base[MAX_PATH];
        if (GetModuleBaseNameA(process, modules[i], base, sizeof base) && lstrcmpiA(base, name) == 0) {
            return reinterpret_cast<BYTE*>(modules[i]);
        }
    }
    return nullptr;
}

}  // namespace

DWORD callProbe(HANDLE process, const char* function, UINT_PTR argument) {
    const char kProbe[] = "vantelo_probe.dll";
    const std::string path = buildFolder() + kProbe;
    BYTE* remote = remoteModule(process, kProbe);
    if (remote == nullptr) {
        void* name = VirtualAllocEx(process, nullptr, path.size() + 1, MEM_COMMIT, PAGE_READWRITE);
        WriteProcessMemory(process, name, path.c_str(), path.size() + 1, nullptr);
        runRemoteThread(
            process,
            reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA")), name);
        VirtualFreeEx(process, name, 0, MEM_RELEASE);
        remote = remoteModule(process, kProbe);
        if (remote == nullptr) return 0xFFFFFFFF;
    }
    const HMODULE local = LoadLibraryA(path.c_str());
    const BYTE* entry = reinterpret_cast<const BYTE*>(GetProcAddress(local, function));
    if (entry == nullptr) return 0xFFFFFFFF;
    return runRemoteThread(process, remote + (entry - reinterpret_cast<const BYTE*>(local)),
                           reinterpret_cast<void*>(argument));
}

}  // namespace vantelo::testing
