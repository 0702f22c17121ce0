// Scanning code page 936 (GBK) text without splitting a double-byte character.
#include "core/cp936.h"

#include <string.h>

namespace vantelo {

namespace {
// The next character boundary; a lead byte at the very end stands alone.
const char* nextCharacter(const char* p) {
    if (isLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') return p + 2;
    return p + 1;
}
}  // namespace

const char* findLastSeparator(const char* text, char separator) {
    const char* found = nullptr;
    for (const char* p = text; *p != '\0'; p = nextCharacter(p)) {
        if (*p == separator) found = p;
    }
    return found;
}

const char* findText(const char* text, const char* needle) {
    const size_t length = strlen(needle);
    for (const char* p = text; *p != '\0'; p = nextCharacter(p)) {
        if (strncmp(p, needle, length) == 0) return p;
    }
    return length == 0 ? text : nullptr;
}

}  // namespace vantelo
