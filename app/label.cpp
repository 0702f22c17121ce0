// Label: grey text on the button face, wrapped at the label's width.
#include "app/control_style.h"
#include "app/controls.h"

namespace vantelo {

namespace {
constexpr char kClassName[] = "VanteloLabel";
constexpr COLORREF kTextColour = RGB(128, 128, 128);
constexpr COLORREF kBackgroundColour = kButtonFaceColour;
// Left aligned with word wrap; DT_VCENTER does nothing without DT_SINGLELINE, so the text
// starts at the top-left corner.
constexpr UINT kFormat = DT_LEFT | DT_NOCLIP | DT_WORDBREAK | DT_VCENTER;
}  // namespace

bool Label::registerClass() {
    return registerWindowClass(kClassName, &Label::windowProcedure, LoadCursorA(nullptr, IDC_ARROW));
}

bool Label::create(const ControlPlace& place) {
    return createWindow(kClassName, place.text, WS_CHILD | WS_CLIPSIBLINGS, place.x, place.y, place.width,
                        place.height, place.parent, place.id) != nullptr;
}

LRESULT Label::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted with the text, in one pass
    }
    return defaultHandling(message, wParam, lParam);
}

void Label::onPaint() {
    PaintScope paint(window_);
    const HDC dc = paint.dc();
    RECT clip;
    if (!clipBoxToPaint(dc, &clip)) return;
    RECT textArea;
    GetClientRect(window_, &textArea);
    RECT fill;
    if (!IntersectRect(&fill, &clip, &textArea)) return;
    IntersectClipRect(dc, fill.left, fill.top, fill.right, fill.bottom);
    {
        const UniqueBrush background(CreateSolidBrush(resolveColour(kBackgroundColour)));
        if (background) FillRect(dc, &fill, background.get());
    }

    const Text text = windowText(window_);
    if (text.empty()) return;
    const UniqueFont font = makeControlFont("微软雅黑");
    const ScopedSelect selectFont(dc, fontOrDefault(font));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    DrawTextA(dc, text.c_str(), -1, &textArea, kFormat);
}

}  // namespace vantelo
