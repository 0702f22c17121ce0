// Choosing an image from a .ico file (6-byte header, 16-byte directory entries).
#include "app/icon_file.h"

#include <string.h>

namespace vantelo {

namespace {

constexpr size_t kHeaderSize = 6;
constexpr size_t kEntrySize = 16;

uint32_t little16(const unsigned char* p) {
    return p[0] | (uint32_t{p[1]} << 8);
}
uint32_t little32(const unsigned char* p) {
    return little16(p) | (little16(p + 2) << 16);
}
uint32_t big32(const unsigned char* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

}  // namespace

bool iconImageSize(const unsigned char* bits, size_t size, int* width, int* height) {
    static const unsigned char kPng[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (size >= 24 && memcmp(bits, kPng, sizeof kPng) == 0) {
        const uint32_t w = big32(bits + 16), h = big32(bits + 20);
        if (w == 0 || h == 0 || w > 0x7FFF || h > 0x7FFF) return false;
        *width = static_cast<int>(w);
        *height = static_cast<int>(h);
        return true;
    }
    if (size >= 40 && little32(bits) >= 40) {
        const int32_t w = static_cast<int32_t>(little32(bits + 4));
        const int32_t h = static_cast<int32_t>(little32(bits + 8));
        if (w <= 0 || h <= 0 || w > 0x7FFF || h > 0xFFFF) return false;
        *width = w;
        *height = h / 2;
        return true;
    }
    return false;
}

bool chooseIconImage(const unsigned char* file, size_t size, int width, IconImage* image) {
    if (file == nullptr || size < kHeaderSize) return false;
    size_t count = little16(file + 4);
    if (count > (size - kHeaderSize) / kEntrySize) count = (size - kHeaderSize) / kEntrySize;
    if (count == 0) return false;

    const unsigned char* chosen = nullptr;
    for (size_t i = 0; i < count && chosen == nullptr; ++i) {
        const unsigned char* entry = file + kHeaderSize + i * kEntrySize;
        const int entryWidth = entry[0] == 0 ? 256 : entry[0];
        if (entry[2] >= 16 && entryWidth == width) chosen = entry;
    }
    if (chosen == nullptr) chosen = file + kHeaderSize + (count - 1) * kEntrySize;

    const uint32_t bytes = little32(chosen + 8);
    const uint32_t offset = little32(chosen + 12);
    if (bytes == 0 || offset > size || bytes > size - offset) return false;
    image->bits = file + offset;
    image->size = bytes;
    if (!iconImageSize(image->bits, bytes, &image->width, &image->height)) image->width = image->height = 0;
    return true;
}

}  // namespace vantelo
