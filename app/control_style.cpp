// What the four controls share: the button-face background, fonts made by one rule.
#include "app/control_style.h"

#include "core/text.h"

namespace vantelo {

UniqueFont makeControlFont(const char* face) {
    LOGFONTA font = {};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    // These five are always replaced, whatever the description held.
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = PROOF_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH;
    lstrcpynA(font.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectA(&font));
}

Text windowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return Text();
    Text text = Text::withCapacity(static_cast<size_t>(length));
    if (text.buffer() != nullptr) GetWindowTextA(window, text.buffer(), length + 1);
    return text;
}

}  // namespace vantelo
