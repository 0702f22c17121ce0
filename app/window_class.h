// The window procedure pattern of our own window classes: `this` lives in GWLP_USERDATA
// from WM_NCCREATE to WM_NCDESTROY and each message goes to a member of the derived class.
#pragma once
#include <windows.h>

namespace vantelo {

// Registers a class of ours unless this process already has it; false when it can't.
bool registerWindowClass(const char* name, WNDPROC procedure, HCURSOR cursor);

template <class Derived>
class OwnWindow {
public:
    HWND handle() const { return window_; }

protected:
    // Creates the window with `this` as the creation parameter.
    HWND createWindow(const char* className, const char* text, DWORD style, int x, int y, int width,
                      int height, HWND parent, int id) {
        return CreateWindowExA(0, className, text, style, x, y, width, height, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                               static_cast<Derived*>(this));
    }

    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
            self->window_ = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        }
        if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            const LRESULT result = self->handleMessage(message, wParam, lParam);
            self->window_ = nullptr;
            return result;
        }
        return self->handleMessage(message, wParam, lParam);
    }

    LRESULT defaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcA(window_, message, wParam, lParam);
    }

    HWND window_ = nullptr;
};

}  // namespace vantelo
