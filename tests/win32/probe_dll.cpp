// Loaded into a running vantelo.exe by the tests (CreateRemoteThread), to look at what only
// the process itself can see: its GDI objects, fonts and icons.
#include <windows.h>

#include <psapi.h>

#include <vector>

namespace {

HWND mainWindow() {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "WTWindow", nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        if (pid == GetCurrentProcessId()) return window;
    }
    return nullptr;
}

void write(HANDLE file, const char* text) {
    DWORD written;
    WriteFile(file, text, lstrlenA(text), &written, nullptr);
}

void writeFont(HANDLE file, const char* name, HWND control) {
    char line[128];
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA logFont = {};
    if (font == nullptr || GetObjectA(font, sizeof logFont, &logFont) == 0) {
        wsprintfA(line, "%s=none\n", name);
    } else {
        wsprintfA(line, "%s=%s,%ld,%ld,%d,%d,%d,%d,%d,%d\n", name, logFont.lfFaceName, logFont.lfHeight,
                  logFont.lfWeight, logFont.lfItalic, logFont.lfCharSet, logFont.lfOutPrecision,
                  logFont.lfClipPrecision, logFont.lfQuality, logFont.lfPitchAndFamily);
    }
    write(file, line);
}

void writeIcon(HANDLE file, const char* name, HICON icon) {
    char line[128];
    ICONINFO info = {};
    BITMAP colour = {};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        wsprintfA(line, "%s=none\n", name);
    } else {
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        wsprintfA(line, "%s=%ldx%ld,%d\n", name, colour.bmWidth, colour.bmHeight, colour.bmBitsPixel);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
    }
    write(file, line);
}

}  // namespace

// How many more fonts this process could make before GDI says no.
extern "C" __declspec(dllexport) DWORD WINAPI probeCreatableFonts(void*) {
    std::vector<HFONT> fonts;
    fonts.reserve(70000);
    while (fonts.size() < 200000) {
        const HFONT font =
            CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
        if (font == nullptr) break;
        fonts.push_back(font);
    }
    for (HFONT font : fonts) DeleteObject(font);
    return static_cast<DWORD>(fonts.size());
}

// Repaints the controls that paint themselves, the label and the link, in turn: `count`
// paints in all.
extern "C" __declspec(dllexport) DWORD WINAPI probeRepaint(void* count) {
    const HWND window = mainWindow();
    const HWND painted[] = {GetDlgItem(GetDlgItem(window, 100), 110), GetDlgItem(window, 130)};
    const auto times = reinterpret_cast<UINT_PTR>(count);
    for (UINT_PTR i = 0; i < times; ++i) {
        RedrawWindow(painted[i % 2], nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    return 0;
}

// Writes probe.txt beside this DLL: the window's icons, the fonts handed to the controls,
// and the group box's colours as the window answers for it.
extern "C" __declspec(dllexport) DWORD WINAPI probeReport(void*) {
    char path[MAX_PATH];
    HMODULE self = nullptr;
    GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<const char*>(&probeReport), &self);
    DWORD length = GetModuleFileNameA(self, path, MAX_PATH);
    while (length > 0 && path[length - 1] != '\\') --length;
    lstrcpyA(path + length, "probe.txt");
    const HANDLE file =
        CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;

    const HWND window = mainWindow();
    writeIcon(file, "bigIcon", reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)));
    writeIcon(file, "smallIcon", reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)));
    writeFont(file, "windowFont", window);
    const HWND groupBox = GetDlgItem(window, 100);
    writeFont(file, "groupBoxFont", groupBox);
    writeFont(file, "buttonFont", GetDlgItem(window, 120));

    const HDC dc = CreateCompatibleDC(nullptr);
    const HBRUSH brush = reinterpret_cast<HBRUSH>(SendMessageA(
        window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(groupBox)));
    LOGBRUSH logBrush = {};
    GetObjectA(brush, sizeof logBrush, &logBrush);
    char line[128];
    wsprintfA(line, "groupBoxColours=%06lx,%06lx,%06lx,%06lx\n", GetTextColor(dc), GetBkColor(dc),
              logBrush.lbColor, GetSysColor(COLOR_BTNFACE));
    write(file, line);
    DeleteDC(dc);

    // Where the common controls the buttons use came from: with the manifest, the version 6
    // assembly (Wine's DllGetVersion says 5 for it too, so the path tells).
    HMODULE modules[256];
    DWORD needed = 0;
    EnumProcessModules(GetCurrentProcess(), modules, sizeof modules, &needed);
    for (DWORD i = 0; i < needed / sizeof modules[0] && i < 256; ++i) {
        char name[MAX_PATH];
        if (GetModuleBaseNameA(GetCurrentProcess(), modules[i], name, sizeof name) &&
            lstrcmpiA(name, "comctl32.dll") == 0 && GetModuleFileNameA(modules[i], name, sizeof name)) {
            CharLowerA(name);
            wsprintfA(line, "commonControls=%s\n", name);
            write(file, line);
        }
    }
    CloseHandle(file);
    return 0;
}

// A WH_CBT hook: in a process whose environment names a window class in
// VANTELO_TEST_FAIL_CLASS, creating a window of that class fails, unless it belongs to a
// window other than the main window (an error box's own button must still work).
// Everywhere else it does nothing.
extern "C" __declspec(dllexport) LRESULT CALLBACK probeFailCreation(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        char failing[64], name[64];
        if (GetEnvironmentVariableA("VANTELO_TEST_FAIL_CLASS", failing, sizeof failing) > 0 &&
            GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name) > 0 &&
            lstrcmpiA(name, failing) == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
