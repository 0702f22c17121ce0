// The link's caption and address, kept scrambled in the program's data.
#pragma once
#include <stddef.h>

#include "core/text.h"

namespace vantelo {

// A stored byte array: 32-bit little-endian dimension count (1), 32-bit little-endian
// element count L, then L bytes: key K1, the scrambled characters last first, key K2.
struct ScrambledText {
    const unsigned char* bytes;  // the array as stored, header included
    size_t size;                 // bytes available at `bytes`
};

// The plain text: each middle byte s, last first, yields (s - K2 - K1) mod 256, a 0 adding
// nothing. An array too short or whose count runs past `size` yields the empty text.
Text unscrambleText(const ScrambledText& array);

// The inverse, for preparing arrays: K1, (c + K1 + K2) mod 256 for each byte c last
// first, K2, behind the header. Writes 8 + n + 2 bytes to `out`; returns that count, or 0
// when `capacity` is too small.
size_t scrambleText(const char* plain, unsigned char k1, unsigned char k2, unsigned char* out,
                    size_t capacity);

extern const ScrambledText kLinkCaptionText;  // 17 bytes: the address as shown
extern const ScrambledText kLinkTargetText;   // 24 bytes: the URL it opens

}  // namespace vantelo
