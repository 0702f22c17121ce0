// The floors vantelo.exe is measured against: a program that only registers a class, shows
// an empty 407 x 226 window and runs a message loop. FLOOR_OLE also initialises OLE, as
// vantelo.exe must; FLOOR_BUTTON adds a button (id 120) whose click shows a plain MessageBoxA;
// FLOOR_TEXT paints Chinese text in a CJK font, as any window of vantelo's must (with the
// common controls 6 manifest linked in, that floor carries every cost the program is asked to).
#include <ole2.h>
#include <windows.h>

namespace {

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (LOWORD(wParam) == 120 && HIWORD(wParam) == BN_CLICKED)
                MessageBoxA(window, "floor", "floor", MB_OK);
            return 0;
#ifdef FLOOR_TEXT
        case WM_PAINT: {
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(window, &paint);
            const HFONT font = CreateFontA(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                                           PROOF_QUALITY, 0, "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA");
            const HGDIOBJ previous = SelectObject(dc, font);
            RECT text = {24, 32, 376, 128};
            DrawTextA(dc, "\xD3\xD0\xD2\xBB\xB2\xBF\xB7\xD6\xC0\xB6\xD1\xC0\xD2\xF4\xCF\xE4", -1, &text,
                      DT_LEFT | DT_WORDBREAK);
            SelectObject(dc, previous);
            DeleteObject(font);
            EndPaint(window, &paint);
            return 0;
        }
#endif
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef FLOOR_OLE
    OleInitialize(nullptr);
#endif
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "FloorWindow";
    RegisterClassA(&windowClass);
    const HWND window =
        CreateWindowExA(0, "FloorWindow", "floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU,
                        (GetSystemMetrics(SM_CXSCREEN) - 407) / 2, (GetSystemMetrics(SM_CYSCREEN) - 226) / 2,
                        407, 226, nullptr, nullptr, instance, nullptr);
#if defined(FLOOR_BUTTON) || defined(FLOOR_TEXT)
    CreateWindowExA(0, "BUTTON", "floor", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 80, 144, 240, 32, window,
                    reinterpret_cast<HMENU>(120), instance, nullptr);
#endif
    ShowWindow(window, SW_SHOW);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
#ifdef FLOOR_OLE
    OleUninitialize();
#endif
    return static_cast<int>(message.wParam);
}
