// The registry fix's calls made through advapi32, under HKEY_LOCAL_MACHINE.
#include "repair/advapi_registry.h"

namespace vantelo {

static_assert(kRegDword == REG_DWORD, "REG_DWORD");

// No registry-view flag: the 32-bit program on 64-bit Windows reads and writes the same
// SYSTEM hive either way.
bool AdvapiRegistry::openKey(const char* key, RegistryAccess access, Key* out) {
    const REGSAM desired = access == RegistryAccess::Read ? KEY_READ : KEY_WRITE;
    return RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, desired, out) == ERROR_SUCCESS;
}

bool AdvapiRegistry::queryValue(Key key, const char* name, uint32_t* type, void* data, uint32_t* size) {
    DWORD valueType = 0;
    DWORD byteCount = *size;
    const LONG result = RegQueryValueExA(key, name, nullptr, type ? &valueType : nullptr,
                                         static_cast<BYTE*>(data), &byteCount);
    if (type) *type = valueType;
    *size = byteCount;
    return result == ERROR_SUCCESS;
}

bool AdvapiRegistry::createKey(const char* key, Key* out) {
    return RegCreateKeyA(HKEY_LOCAL_MACHINE, key, out) == ERROR_SUCCESS;
}

bool AdvapiRegistry::setDwordValue(Key key, const char* name, uint32_t value) {
    const DWORD data = value;
    return RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) ==
           ERROR_SUCCESS;
}

void AdvapiRegistry::closeKey(Key key) {
    RegCloseKey(key);
}

}  // namespace vantelo
