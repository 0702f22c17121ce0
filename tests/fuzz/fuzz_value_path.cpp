// The path split on any bytes: key, backslash and value name give back the text.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/cp936.h"
#include "repair/registry_fix.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string original(reinterpret_cast<const char*>(data), size);
    original = original.c_str();  // up to the first NUL, as the registry sees it
    std::string text = original;
    const char* key = nullptr;
    const char* valueName = nullptr;
    vantelo::splitValuePath(text.data(), &key, &valueName);
    const std::string rebuilt = *key == '\0' && valueName == text.data()
                                    ? std::string(valueName)
                                    : std::string(key) + "\\" + valueName;
    if (rebuilt != original) abort();
    // The separator was a character of its own, not a trail byte.
    if (valueName != text.data() && vantelo::findLastSeparator(original.c_str(), '\\') !=
                                        original.c_str() + (valueName - text.data() - 1)) {
        abort();
    }
    return 0;
}
