// The four kinds of control on the main window: GroupBox and Button are the system's
// BUTTON class; Label and HyperLinker are classes of ours that paint themselves.
#pragma once
#include <windows.h>

#include "app/gdi_handles.h"
#include "app/window_class.h"
#include "core/text.h"

namespace vantelo {

// Where a control goes and what it says when it is made.
struct ControlPlace {
    HWND parent;
    int x, y, width, height;
    const char* text;
    int id;
};

// A group box: frame and title drawn by the system in our colours.
class GroupBox {
public:
    bool create(const ControlPlace& place);
    HWND handle() const { return window_; }
    // The control-colour message the box sends its parent, handed back to it.
    LRESULT onControlColour(HDC dc);

private:
    static LRESULT CALLBACK subclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    WNDPROC systemProcedure_ = nullptr;
    UniqueBrush background_;
    UniqueFont font_;
};

// A push button whose click runs a handler.
class Button {
public:
    using ClickHandler = void (*)();
    bool create(const ControlPlace& place, ClickHandler onClick);
    HWND handle() const { return window_; }
    // A WM_COMMAND notification the button sent its parent, handed back to it.
    void onCommand(WORD notification);

private:
    HWND window_ = nullptr;
    ClickHandler onClick_ = nullptr;
    UniqueFont font_;
};

// Grey explanatory text, wrapped, drawn from the top-left corner.
class Label : public OwnWindow<Label> {
public:
    static bool registerClass();
    bool create(const ControlPlace& place);

private:
    friend class OwnWindow<Label>;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
};

// A web link: blue, light blue under the pointer, dark red once opened; a press of the
// left button opens its address.
class HyperLinker : public OwnWindow<HyperLinker> {
public:
    enum class Mode { Web, Mail };

    static bool registerClass();
    bool create(const ControlPlace& place);
    // The shown text; the caller keeps `text`. Null counts as empty.
    void setCaption(const char* text);
    // The opened address; the caller keeps `text`. Null counts as empty.
    void setWebAddress(const char* text);

private:
    friend class OwnWindow<HyperLinker>;
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void onMouseMove(POINT point);
    void onLeftButtonDown();
    void repaint() { InvalidateRect(window_, nullptr, FALSE); }

    Mode mode_ = Mode::Web;
    Text webAddress_;
    Text mailAddress_;
    bool hovering_ = false;
    bool visited_ = false;
};

}  // namespace vantelo
