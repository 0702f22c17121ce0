// Stands in for a browser in the tests: registered as the handler of web addresses, it
// appends its whole command line to opened.log beside itself, so a test sees what was opened.
// A GUI program: a console window would take the pointer and the focus from the window under test.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    while (length > 0 && path[length - 1] != '\\') --length;
    lstrcpyA(path + length, "opened.log");
    const HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                   OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 1;
    const char* line = GetCommandLineA();
    DWORD written;
    WriteFile(log, line, lstrlenA(line), &written, nullptr);
    WriteFile(log, "\n", 1, &written, nullptr);
    CloseHandle(log);
    return 0;
}
