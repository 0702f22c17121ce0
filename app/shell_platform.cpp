// Opening an address through shell32, kernel32 and the HKEY_CLASSES_ROOT registry.
#include "app/shell_platform.h"

#include <windows.h>

namespace vantelo {

namespace {
using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*,
                                                int);
}

intptr_t ShellPlatform::shellOpen(const char* target) {
    // shell32 is loaded at the first click, not at start: importing it costs every run
    // about a megabyte and some start-up time. It stays loaded once it is in.
    static ShellExecuteFunction shellExecute = nullptr;
    if (shellExecute == nullptr) {
        const HMODULE shell = LoadLibraryA("shell32.dll");
        if (shell == nullptr) return 0;
        shellExecute = reinterpret_cast<ShellExecuteFunction>(
            reinterpret_cast<void (*)()>(GetProcAddress(shell, "ShellExecuteA")));
        if (shellExecute == nullptr) return 0;
    }
    return reinterpret_cast<intptr_t>(shellExecute(nullptr, "open", target, nullptr, nullptr, SW_SHOW));
}

bool ShellPlatform::readClassesRootDefault(const char* key, char* out, size_t capacity) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, key, 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) return false;
    LONG size = static_cast<LONG>(capacity);
    const LONG result = RegQueryValueA(handle, nullptr, out, &size);
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS || size <= 0 || static_cast<size_t>(size) > capacity) return false;
    // A value stored without its terminating NUL still has to fit with one.
    if (out[size - 1] != '\0') {
        if (static_cast<size_t>(size) == capacity) return false;
        out[size] = '\0';
    }
    return true;
}

uintptr_t ShellPlatform::runCommand(const char* command) {
    return WinExec(command, SW_SHOW);
}

}  // namespace vantelo
