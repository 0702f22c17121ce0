// The absolute-volume fix: read DisableAbsoluteVolume, decide, write 1, name the outcome.
#pragma once
#include <stdint.h>

namespace vantelo {

enum class RegistryFixOutcome { AlreadySet, Written, WriteFailed };
enum class RegistryAccess { Read, Write };

constexpr uint32_t kRegDword = 4;  // REG_DWORD
constexpr uint32_t kFallbackControlSet = 1;

// The message each outcome shows, as code page 936 bytes, and the box's title.
const char* messageFor(RegistryFixOutcome outcome);
extern const char kRepairMessageTitle[];

// Key and value name under HKEY_LOCAL_MACHINE, split from one path text at its last
// backslash (code page 936 aware). The texts live in the struct itself.
struct RegistryValuePath {
    char text[96];
    const char* key;
    const char* valueName;
};

// The path of DisableAbsoluteVolume in control set `controlSet` (1 to 999; anything else
// means ControlSet001).
void buildValuePath(uint32_t controlSet, RegistryValuePath* path);

// Splits `text` in place at its last backslash; without one the key is empty and the whole
// text is the value name.
void splitValuePath(char* text, const char** key, const char** valueName);

// The registry as the fix uses it, every call under HKEY_LOCAL_MACHINE and true on
// ERROR_SUCCESS; an adapter maps each onto one advapi32 call:
//   using Key;
//   bool openKey(const char* key, RegistryAccess, Key*);          RegOpenKeyExA
//   bool queryValue(Key, const char* name, uint32_t* type,        RegQueryValueExA
//                   void* data, uint32_t* size);                  (type, data may be null)
//   bool createKey(const char* key, Key*);                        RegCreateKeyA
//   bool setDwordValue(Key, const char* name, uint32_t value);    RegSetValueExA, 4 bytes
//   void closeKey(Key);                                           RegCloseKey
template <class Registry>
class OpenedKey {
public:
    explicit OpenedKey(Registry& registry) : registry_(registry) {}
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;
    ~OpenedKey() {
        if (opened_) registry_.closeKey(key_);
    }
    bool open(const char* key, RegistryAccess access) {
        return opened_ = registry_.openKey(key, access, &key_);
    }
    bool create(const char* key) { return opened_ = registry_.createKey(key, &key_); }
    typename Registry::Key get() const { return key_; }

private:
    Registry& registry_;
    typename Registry::Key key_{};
    bool opened_ = false;
};

// Windows reads the value through CurrentControlSet, which is ControlSet00N for
// N = SYSTEM\Select\Current; N is 1 on most machines but not on all.
template <class Registry>
uint32_t readCurrentControlSet(Registry& registry) {
    OpenedKey<Registry> select(registry);
    if (!select.open("SYSTEM\\Select", RegistryAccess::Read)) return kFallbackControlSet;
    uint32_t type = 0;
    uint32_t current = 0;
    uint32_t size = sizeof current;
    if (!registry.queryValue(select.get(), "Current", &type, &current, &size)) return kFallbackControlSet;
    if (type != kRegDword || size != sizeof current || current < 1 || current > 999) {
        return kFallbackControlSet;
    }
    return current;
}

// 0 stands for every case in which no 4-byte REG_DWORD could be read.
template <class Registry>
int32_t readCurrentValue(Registry& registry, const RegistryValuePath& path) {
    OpenedKey<Registry> key(registry);
    if (!key.open(path.key, RegistryAccess::Read)) return 0;
    uint32_t type = 0;
    uint32_t size = 0;
    if (!registry.queryValue(key.get(), path.valueName, &type, nullptr, &size)) return 0;
    // A REG_DWORD of another size is malformed: Windows' reader ignores it too, and a short
    // one would leave part of the buffer unread.
    if (type != kRegDword || size != 4) return 0;
    int32_t value = 0;
    size = sizeof value;
    if (!registry.queryValue(key.get(), path.valueName, nullptr, &value, &size)) return 0;
    return size == sizeof value ? value : 0;
}

template <class Registry>
RegistryFixOutcome writeTargetValue(Registry& registry, const RegistryValuePath& path) {
    OpenedKey<Registry> key(registry);
    if (!key.open(path.key, RegistryAccess::Write) && !key.create(path.key)) {
        return RegistryFixOutcome::WriteFailed;
    }
    return registry.setDwordValue(key.get(), path.valueName, 1) ? RegistryFixOutcome::Written
                                                                : RegistryFixOutcome::WriteFailed;
}

template <class Registry>
RegistryFixOutcome applyRegistryFix(Registry& registry) {
    RegistryValuePath path;
    buildValuePath(readCurrentControlSet(registry), &path);
    if (readCurrentValue(registry, path) == 1) return RegistryFixOutcome::AlreadySet;
    return writeTargetValue(registry, path);
}

}  // namespace vantelo
