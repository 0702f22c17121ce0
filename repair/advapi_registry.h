// The registry fix's calls made through advapi32, under HKEY_LOCAL_MACHINE.
#pragma once
#include <windows.h>

#include "repair/registry_fix.h"

namespace vantelo {

class AdvapiRegistry {
public:
    using Key = HKEY;
    bool openKey(const char* key, RegistryAccess access, Key* out);
    bool queryValue(Key key, const char* name, uint32_t* type, void* data, uint32_t* size);
    bool createKey(const char* key, Key* out);
    bool setDwordValue(Key key, const char* name, uint32_t value);
    void closeKey(Key key);
};

}  // namespace vantelo
