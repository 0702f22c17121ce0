// Opening an address through shell32, kernel32 and the HKEY_CLASSES_ROOT registry.
#pragma once
#include <stddef.h>
#include <stdint.h>

namespace vantelo {

class ShellPlatform {
public:
    intptr_t shellOpen(const char* target);
    bool readClassesRootDefault(const char* key, char* out, size_t capacity);
    uintptr_t runCommand(const char* command);
};

}  // namespace vantelo
