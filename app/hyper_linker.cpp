// HyperLinker: a link that follows the pointer and opens its address through the shell.
#include <windowsx.h>

#include "app/control_style.h"
#include "app/controls.h"
#include "app/link_opening.h"
#include "app/shell_platform.h"

namespace vantelo {

namespace {
constexpr char kClassName[] = "VanteloHyperLinker";
constexpr int kPointingHandCursor = 1032;
constexpr COLORREF kNormalColour = RGB(0, 0, 255);
constexpr COLORREF kVisitedColour = RGB(128, 0, 0);
constexpr COLORREF kHoverColour = RGB(0, 120, 215);
constexpr COLORREF kBackgroundColour = kButtonFaceColour;
// One line, centred both ways, an ampersand shown as itself.
constexpr UINT kFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_NOPREFIX;
}  // namespace

bool HyperLinker::registerClass() {
    const HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(kPointingHandCursor));
    return registerWindowClass(kClassName, &HyperLinker::windowProcedure, hand);
}

bool HyperLinker::create(const ControlPlace& place) {
    return createWindow(kClassName, place.text, WS_CHILD | WS_CLIPSIBLINGS, place.x, place.y, place.width,
                        place.height, place.parent, place.id) != nullptr;
}

void HyperLinker::setCaption(const char* text) {
    SetWindowTextA(window_, text != nullptr ? text : "");
    repaint();
}

void HyperLinker::setWebAddress(const char* text) {
    webAddress_ = Text::copyOf(text);
    // Only an empty caption puts the address on show.
    if (GetWindowTextLengthA(window_) == 0) repaint();
}

LRESULT HyperLinker::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted with the text, in one pass
        case WM_MOUSEMOVE:
            onMouseMove(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONDOWN:
            onLeftButtonDown();
            return 0;
    }
    // A double click's second press arrives as WM_LBUTTONDBLCLK and opens nothing.
    return defaultHandling(message, wParam, lParam);
}

void HyperLinker::onPaint() {
    PaintScope paint(window_);
    const HDC dc = paint.dc();
    RECT clip;
    if (!clipBoxToPaint(dc, &clip)) return;
    {
        const UniqueBrush background(CreateSolidBrush(resolveColour(kBackgroundColour)));
        const ScopedSelect selectBrush(dc, background.get());
        PatBlt(dc, clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top, PATCOPY);
    }

    Text text = windowText(window_);
    if (text.empty()) text = Text::copyOf(mode_ == Mode::Web ? webAddress_.c_str() : mailAddress_.c_str());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hovering_ ? kHoverColour : visited_ ? kVisitedColour : kNormalColour);
    const UniqueFont font = makeControlFont("宋体");
    const ScopedSelect selectFont(dc, fontOrDefault(font));
    RECT client;
    GetClientRect(window_, &client);
    DrawTextA(dc, text.c_str(), -1, &client, kFormat);
}

void HyperLinker::onMouseMove(POINT point) {
    if (!hovering_) {
        hovering_ = true;
        repaint();
        // Keep receiving moves after the pointer leaves, to see it leave.
        SetCapture(window_);
        return;
    }
    RECT client;
    GetClientRect(window_, &client);
    if (!PtInRect(&client, point)) {
        hovering_ = false;
        ReleaseCapture();
        repaint();
    } else if (GetCapture() != window_) {
        SetCapture(window_);
    }
}

void HyperLinker::onLeftButtonDown() {
    const Text target = mode_ == Mode::Web     ? Text::copyOf(webAddress_.c_str())
                        : mailAddress_.empty() ? Text()
                                               : Text::join("mailto:", mailAddress_.c_str());
    ShellPlatform platform;
    visited_ = openAddress(platform, target.c_str());
    // A failure shows at the next repaint.
    if (visited_) repaint();
}

}  // namespace vantelo
