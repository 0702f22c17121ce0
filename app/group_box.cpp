// GroupBox: the system's group box, in grey on the button face.
#include "app/control_style.h"
#include "app/controls.h"

namespace vantelo {

namespace {
constexpr COLORREF kTextColour = RGB(128, 128, 128);
constexpr COLORREF kBackgroundColour = kButtonFaceColour;
}  // namespace

bool GroupBox::create(const ControlPlace& place) {
    background_.reset(CreateSolidBrush(resolveColour(kBackgroundColour)));
    window_ = CreateWindowExA(0, "BUTTON", place.text, WS_CHILD | WS_CLIPSIBLINGS | BS_GROUPBOX | BS_LEFT,
                              place.x, place.y, place.width, place.height, place.parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)),
                              GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) return false;
    font_ = makeControlFont("微软雅黑");
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fontOrDefault(font_)), TRUE);
    // Erasing paints our brush first, then the system's own handling runs.
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    systemProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&GroupBox::subclassProcedure)));
    return true;
}

LRESULT CALLBACK GroupBox::subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GroupBox* self = reinterpret_cast<GroupBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_ERASEBKGND && self->background_) {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, self->background_.get());
    }
    const WNDPROC system = self->systemProcedure_;
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system));
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
    }
    return CallWindowProcA(system, window, message, wParam, lParam);
}

LRESULT GroupBox::onControlColour(HDC dc) {
    SetTextColor(dc, kTextColour);
    SetBkColor(dc, resolveColour(kBackgroundColour));
    return reinterpret_cast<LRESULT>(background_ ? background_.get() : GetSysColorBrush(COLOR_BTNFACE));
}

}  // namespace vantelo
