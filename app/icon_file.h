// Choosing an image from a .ico file (6-byte header, 16-byte directory entries).
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace vantelo {

struct IconImage {
    const unsigned char* bits;  // inside the file
    uint32_t size;
    int width;  // from the image's own header (BMP or PNG); 0 when it tells none
    int height;
};

// The image for an icon `width` pixels wide: the first entry whose colour count is at least
// 16 and whose width is `width`, else the last entry. Only entries wholly inside the file
// count; false when the chosen image lies outside it or there is none.
bool chooseIconImage(const unsigned char* file, size_t size, int width, IconImage* image);

// The size an icon image declares: a BITMAPINFOHEADER's width and half its height (the
// mask is stacked under the colours), or a PNG's IHDR. False when neither fits.
bool iconImageSize(const unsigned char* bits, size_t size, int* width, int* height);

// Where a window of `size` pixels starts to be centred on `screen` pixels: signed, with
// the division truncated toward zero (400 - 407 gives -3).
constexpr int centredOrigin(int screen, int size) {
    return (screen - size) / 2;
}

}  // namespace vantelo
