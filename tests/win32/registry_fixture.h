// Prepares and reads the real registry for the Win32 tests: each test starts with no CT key
// in control sets 001 and 002 and with SYSTEM\Select\Current = 1, and leaves it so.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vantelo::testing {

inline std::string ctKey(int controlSet = 1) {
    char name[16];
    wsprintfA(name, "ControlSet%03d", controlSet);
    return std::string("SYSTEM\\") + name + "\\Control\\Bluetooth\\Audio\\AVRCP\\CT";
}
inline const char* const kValueName = "DisableAbsoluteVolume";

struct StoredValue {
    bool present = false;
    DWORD type = 0;
    std::vector<BYTE> data;
};

inline StoredValue readValue(const std::string& key, const char* name) {
    StoredValue value;
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return value;
    DWORD size = 0;
    if (RegQueryValueExA(handle, name, nullptr, &value.type, nullptr, &size) == ERROR_SUCCESS) {
        value.data.resize(size);
        value.present =
            RegQueryValueExA(handle, name, nullptr, &value.type, value.data.data(), &size) == ERROR_SUCCESS;
    }
    RegCloseKey(handle);
    return value;
}

inline void writeValue(const std::string& key, const char* name, DWORD type, const std::vector<BYTE>& data) {
    HKEY handle;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr),
        ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(handle, name, 0, type, data.data(), static_cast<DWORD>(data.size())),
              ERROR_SUCCESS);
    RegCloseKey(handle);
}

inline std::vector<BYTE> dwordBytes(DWORD v) {
    return {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)};
}

inline bool keyExists(const std::string& key) {
    HKEY handle;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
    RegCloseKey(handle);
    return true;
}

inline void resetRegistry() {
    for (int set : {1, 2}) RegDeleteTreeA(HKEY_LOCAL_MACHINE, ctKey(set).c_str());
    writeValue("SYSTEM\\Select", "Current", REG_DWORD, dwordBytes(1));
}

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { resetRegistry(); }
    void TearDown() override { resetRegistry(); }
};

}  // namespace vantelo::testing
