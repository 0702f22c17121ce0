// What the four controls share: the button-face background, fonts made by one rule.
#pragma once
#include <windows.h>

#include "app/gdi_handles.h"
#include "core/text.h"

namespace vantelo {

// A background colour of this value is the system button-face colour, looked up at use.
constexpr COLORREF kButtonFaceColour = 0xFF000000;

inline COLORREF resolveColour(COLORREF colour) {
    return colour == kButtonFaceColour ? GetSysColor(COLOR_BTNFACE) : colour;
}

// The control font: 12 pixels high, regular, `face`; null when it can't be made.
UniqueFont makeControlFont(const char* face);

// The font to draw with: `font` when it was made, else DEFAULT_GUI_FONT.
inline HFONT fontOrDefault(const UniqueFont& font) {
    return font ? font.get() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// The part of the window a paint has to draw, in `clip`; false when there is none.
inline bool clipBoxToPaint(HDC dc, RECT* clip) {
    const int region = GetClipBox(dc, clip);
    return region != NULLREGION && region != ERROR && !IsRectEmpty(clip);
}

// The window's text as a new allocation ("" when it has none).
Text windowText(HWND window);

}  // namespace vantelo
