// Registering our own window classes.
#include "app/window_class.h"

namespace vantelo {

bool registerWindowClass(const char* name, WNDPROC procedure, HCURSOR cursor) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA existing;
    if (GetClassInfoA(instance, name, &existing)) return true;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = cursor;
    // The system never erases: each window paints its whole background itself.
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    windowClass.lpszClassName = name;
    return RegisterClassA(&windowClass) != 0;
}

}  // namespace vantelo
