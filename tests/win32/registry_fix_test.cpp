// The registry fix against Wine's real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "expected_texts.h"
#include "registry_fixture.h"
#include "repair/advapi_registry.h"
#include "repair/repair_click.h"

namespace vantelo::testing {
namespace {

using RegistryFix = RegistryTest;

RegistryFixOutcome fix() {
    AdvapiRegistry registry;
    return applyRegistryFix(registry);
}

void expectFixedDword(const std::string& key = ctKey()) {
    const StoredValue value = readValue(key, kValueName);
    EXPECT_TRUE(value.present);
    EXPECT_EQ(value.type, DWORD{REG_DWORD});
    EXPECT_EQ(value.data, dwordBytes(1)) << "a 4-byte REG_DWORD 1";
}

TEST_F(RegistryFix, EveryStoredStateEndsAsFourByteDwordOne) {
    struct Case {
        const char* what;
        bool keyPresent;
        bool valuePresent;
        DWORD type;
        std::vector<BYTE> data;
        RegistryFixOutcome expected;
    } cases[] = {
        {"key absent", false, false, 0, {}, RegistryFixOutcome::Written},
        {"value absent", true, false, 0, {}, RegistryFixOutcome::Written},
        {"DWORD 0", true, true, REG_DWORD, dwordBytes(0), RegistryFixOutcome::Written},
        {"DWORD 1", true, true, REG_DWORD, dwordBytes(1), RegistryFixOutcome::AlreadySet},
        {"DWORD 2", true, true, REG_DWORD, dwordBytes(2), RegistryFixOutcome::Written},
        {"DWORD 0xFFFFFFFF", true, true, REG_DWORD, dwordBytes(0xFFFFFFFF), RegistryFixOutcome::Written},
        {"REG_SZ \"1\"", true, true, REG_SZ, {'1', 0}, RegistryFixOutcome::Written},
        {"REG_BINARY 1", true, true, REG_BINARY, dwordBytes(1), RegistryFixOutcome::Written},
        {"2-byte DWORD", true, true, REG_DWORD, {1, 0}, RegistryFixOutcome::Written},
        {"8-byte DWORD", true, true, REG_DWORD, {1, 0, 0, 0, 0, 0, 0, 0}, RegistryFixOutcome::Written},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        resetRegistry();
        if (c.keyPresent) {
            // Neighbours that must come through untouched.
            writeValue(ctKey(), "Neighbour", REG_SZ, {'k', 'e', 'e', 'p', 0});
            writeValue(ctKey() + "\\Child", "Deep", REG_DWORD, dwordBytes(5));
        }
        if (c.valuePresent) writeValue(ctKey(), kValueName, c.type, c.data);
        EXPECT_EQ(fix(), c.expected);
        expectFixedDword();
        EXPECT_FALSE(keyExists(ctKey(2)));
        if (c.keyPresent) {
            EXPECT_EQ(readValue(ctKey(), "Neighbour").data, (std::vector<BYTE>{'k', 'e', 'e', 'p', 0}));
            EXPECT_EQ(readValue(ctKey() + "\\Child", "Deep").data, dwordBytes(5));
            HKEY key;
            ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, ctKey().c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
            DWORD values = 0, subkeys = 0;
            RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                             nullptr, nullptr, nullptr);
            RegCloseKey(key);
            EXPECT_EQ(values, 2u);
            EXPECT_EQ(subkeys, 1u);
        }
    }
}

TEST_F(RegistryFix, SecondRunFindsTheValueSet) {
    EXPECT_EQ(fix(), RegistryFixOutcome::Written);
    EXPECT_EQ(fix(), RegistryFixOutcome::AlreadySet);
    expectFixedDword();
}

TEST_F(RegistryFix, FollowsSelectCurrentToTheControlSetWindowsReads) {
    writeValue("SYSTEM\\Select", "Current", REG_DWORD, dwordBytes(2));
    EXPECT_EQ(fix(), RegistryFixOutcome::Written);
    expectFixedDword(ctKey(2));
    EXPECT_FALSE(keyExists(ctKey(1))) << "ControlSet001 left alone";
}

// Closes the message box that the fix shows and reports its title and text.
struct MessageBoxSeen {
    std::string title, text;
    bool found = false;
    bool hasOk = false, hasCancel = false;
};

MessageBoxSeen closeMessageBox() {
    MessageBoxSeen seen;
    for (int tries = 0; tries < 500 && !seen.found; ++tries) {
        Sleep(10);
        HWND box = FindWindowA("#32770", nullptr);
        if (box == nullptr || !IsWindowVisible(box)) continue;
        char buffer[256];
        GetWindowTextA(box, buffer, sizeof buffer);
        seen.title = buffer;
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer);
        seen.text = buffer;
        seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
        seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
        seen.found = true;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return seen;
}

TEST_F(RegistryFix, ClickShowsEachOutcomeAsCodePage936Text) {
    for (const std::string& expected : {kWritten, kAlreadySet}) {
        MessageBoxSeen seen;
        std::thread watcher([&seen] { seen = closeMessageBox(); });
        handleRepairClick();
        watcher.join();
        ASSERT_TRUE(seen.found);
        EXPECT_EQ(seen.title, kMessageTitle);
        EXPECT_EQ(seen.text, expected);
        EXPECT_TRUE(seen.hasOk);
        EXPECT_FALSE(seen.hasCancel);
    }
    expectFixedDword();
}

}  // namespace
}  // namespace vantelo::testing
