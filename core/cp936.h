// Scanning code page 936 (GBK) text without splitting a double-byte character.
#pragma once
#include <stddef.h>

namespace vantelo {

// A byte of 0x80 or more leads a double-byte character; its trail byte may look like
// ASCII (0x5C is a backslash), so it must never be taken for one.
inline bool isLeadByte(unsigned char byte) {
    return byte >= 0x80;
}

// The last `separator` (an ASCII byte) in `text` that is not a trail byte, or null.
const char* findLastSeparator(const char* text, char separator);

// The first occurrence of `needle` in `text` that starts on a character boundary, or null.
const char* findText(const char* text, const char* needle);

}  // namespace vantelo
