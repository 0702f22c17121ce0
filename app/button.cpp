// Button: the system's push button; its click runs the handler it was made with.
#include "app/control_style.h"
#include "app/controls.h"

namespace vantelo {

bool Button::create(const ControlPlace& place, ClickHandler onClick) {
    onClick_ = onClick;
    window_ = CreateWindowExA(
        0, "BUTTON", place.text,
        WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE,
        place.x, place.y, place.width, place.height, place.parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(place.id)), GetModuleHandleA(nullptr), nullptr);
    if (window_ == nullptr) return false;
    font_ = makeControlFont("微软雅黑");
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(fontOrDefault(font_)), TRUE);
    return true;
}

void Button::onCommand(WORD notification) {
    if (notification == BN_CLICKED && onClick_ != nullptr) onClick_();
}

}  // namespace vantelo
