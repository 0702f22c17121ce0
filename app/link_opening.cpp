// Opening the link's address: the fallback command line.
#include "app/link_opening.h"

#include <string.h>

#include "core/cp936.h"

namespace vantelo {

bool buildFallbackCommand(const char* registered, const char* target, char* out, size_t capacity) {
    const char* cut = findText(registered, "\"%1\"");
    if (cut == nullptr) cut = findText(registered, "%1");
    const size_t kept = cut != nullptr ? static_cast<size_t>(cut - registered) : strlen(registered);
    const size_t targetLength = strlen(target);
    if (capacity == 0 || kept >= capacity || targetLength >= capacity - kept - 1) {
        if (capacity > 0) out[0] = '\0';
        return false;
    }
    memcpy(out, registered, kept);
    out[kept] = ' ';
    memcpy(out + kept + 1, target, targetLength + 1);
    return true;
}

}  // namespace vantelo
