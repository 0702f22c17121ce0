#include "repair/registry_fix.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace vantelo {
namespace {

constexpr uint32_t kRegSz = 1, kRegBinary = 3;
const std::string kCt = "SYSTEM\\ControlSet001\\Control\\Bluetooth\\Audio\\AVRCP\\CT";
const std::string kValue = "DisableAbsoluteVolume";

struct Value {
    uint32_t type;
    std::vector<unsigned char> data;
};

Value dword(uint32_t v) {
    return {4,
            {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
             static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)}};
}
Value raw(uint32_t type, std::vector<unsigned char> data) {
    return {type, std::move(data)};
}

bool operator==(const Value& a, const Value& b) {
    return a.type == b.type && a.data == b.data;
}

// An in-memory HKEY_LOCAL_MACHINE that records each call, fails the ones asked for, and
// checks that every key it hands out is closed once.
class FakeRegistry {
public:
    using Key = int;
    std::map<std::string, std::map<std::string, Value>> keys;
    std::vector<std::string> calls;
    std::set<std::string> failing;  // calls (as recorded) that fail
    std::set<Key> openKeys;
    int misuse = 0;  // closing an unknown key, using a closed one

    FakeRegistry() { keys["SYSTEM\\Select"]["Current"] = dword(1); }

    bool openKey(const char* key, RegistryAccess access, Key* out) {
        const bool read = access == RegistryAccess::Read;
        if (!record(std::string(read ? "open read " : "open write ") + key) || !keys.count(key)) return false;
        return hand(key, out);
    }
    bool createKey(const char* key, Key* out) {
        if (!record(std::string("create ") + key)) return false;
        keys[key];
        return hand(key, out);
    }
    bool queryValue(Key key, const char* name, uint32_t* type, void* data, uint32_t* size) {
        const std::string call =
            std::string("query ") + name + (data ? " data" : " type") + " size " + std::to_string(*size);
        if (!record(call) || !use(key)) return false;
        auto& values = keys[paths[key]];
        auto found = values.find(name);
        if (found == values.end()) return false;
        const Value& value = found->second;
        const uint32_t capacity = *size;
        *size = static_cast<uint32_t>(value.data.size());
        if (type) *type = value.type;
        if (!data) return true;
        if (value.data.size() > capacity) return false;  // ERROR_MORE_DATA
        std::memcpy(data, value.data.data(), value.data.size());
        return true;
    }
    bool setDwordValue(Key key, const char* name, uint32_t value) {
        if (!record(std::string("set ") + name + " " + std::to_string(value)) || !use(key)) return false;
        keys[paths[key]][name] = dword(value);
        return true;
    }
    void closeKey(Key key) {
        calls.push_back("close " + paths[key]);
        if (openKeys.erase(key) != 1) ++misuse;
    }

    const Value* value(const std::string& key = kCt, const std::string& name = kValue) const {
        auto k = keys.find(key);
        if (k == keys.end()) return nullptr;
        auto v = k->second.find(name);
        return v == k->second.end() ? nullptr : &v->second;
    }
    bool called(const std::string& prefix) const {
        for (const auto& call : calls)
            if (call.rfind(prefix, 0) == 0) return true;
        return false;
    }

private:
    std::map<Key, std::string> paths;
    Key next = 100;

    bool record(const std::string& call) {
        calls.push_back(call);
        return failing.count(call) == 0;
    }
    bool hand(const char* key, Key* out) {
        *out = next++;
        paths[*out] = key;
        openKeys.insert(*out);
        return true;
    }
    bool use(Key key) {
        if (openKeys.count(key)) return true;
        ++misuse;
        return false;
    }
};

// Runs the fix and checks what must hold after every run: no key left open, none misused.
RegistryFixOutcome run(FakeRegistry& registry) {
    const RegistryFixOutcome outcome = applyRegistryFix(registry);
    EXPECT_TRUE(registry.openKeys.empty()) << "a key handle leaked";
    EXPECT_EQ(registry.misuse, 0);
    return outcome;
}

TEST(RegistryFix, StoredValueDecidesTheOutcome) {
    struct Case {
        const char* what;
        bool keyPresent;
        bool valuePresent;
        Value stored;
        RegistryFixOutcome expected;
    } cases[] = {
        {"key absent", false, false, {}, RegistryFixOutcome::Written},
        {"value absent", true, false, {}, RegistryFixOutcome::Written},
        {"DWORD 1", true, true, dword(1), RegistryFixOutcome::AlreadySet},
        {"DWORD 0", true, true, dword(0), RegistryFixOutcome::Written},
        {"DWORD 2", true, true, dword(2), RegistryFixOutcome::Written},
        {"DWORD 0xFFFFFFFF", true, true, dword(0xFFFFFFFF), RegistryFixOutcome::Written},
        {"text \"1\"", true, true, raw(kRegSz, {'1', 0}), RegistryFixOutcome::Written},
        {"binary 1", true, true, raw(kRegBinary, {1, 0, 0, 0}), RegistryFixOutcome::Written},
        {"DWORD of 2 bytes", true, true, raw(4, {1, 0}), RegistryFixOutcome::Written},
        {"DWORD of 8 bytes", true, true, raw(4, {1, 0, 0, 0, 0, 0, 0, 0}), RegistryFixOutcome::Written},
        {"DWORD of 0 bytes", true, true, raw(4, {}), RegistryFixOutcome::Written},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        if (c.keyPresent) registry.keys[kCt]["Other"] = raw(kRegSz, {'k', 0});
        if (c.valuePresent) registry.keys[kCt][kValue] = c.stored;
        EXPECT_EQ(run(registry), c.expected);
        ASSERT_NE(registry.value(), nullptr);
        EXPECT_EQ(*registry.value(), dword(1));
        EXPECT_EQ(registry.called("open write"), c.expected == RegistryFixOutcome::Written);
        if (c.keyPresent) {
            EXPECT_EQ(*registry.value(kCt, "Other"), raw(kRegSz, {'k', 0}));
        }
    }
}

TEST(RegistryFix, MakesTheCallsInOrder) {
    FakeRegistry registry;
    EXPECT_EQ(run(registry), RegistryFixOutcome::Written);
    const std::vector<std::string> expected = {
        "open read SYSTEM\\Select",    "query Current data size 4",
        "close SYSTEM\\Select",        "open read " + kCt,
        "open write " + kCt,           "create " + kCt,
        "set DisableAbsoluteVolume 1", "close " + kCt,
    };
    EXPECT_EQ(registry.calls, expected);

    // Second click: the value is read (type and size first, then its 4 bytes) and found set.
    registry.calls.clear();
    EXPECT_EQ(run(registry), RegistryFixOutcome::AlreadySet);
    const std::vector<std::string> second = {
        "open read SYSTEM\\Select",
        "query Current data size 4",
        "close SYSTEM\\Select",
        "open read " + kCt,
        "query DisableAbsoluteVolume type size 0",
        "query DisableAbsoluteVolume data size 4",
        "close " + kCt,
    };
    EXPECT_EQ(registry.calls, second);
}

TEST(RegistryFix, EachFailingCallHasItsOutcome) {
    struct Case {
        std::vector<std::string> failing;
        RegistryFixOutcome expected;
        bool valueIsOne;  // afterwards
    } cases[] = {
        {{"open read SYSTEM\\Select"}, RegistryFixOutcome::Written, true},
        {{"query Current data size 4"}, RegistryFixOutcome::Written, true},
        {{"open read " + kCt}, RegistryFixOutcome::Written, true},
        {{"query DisableAbsoluteVolume type size 0"}, RegistryFixOutcome::Written, true},
        {{"query DisableAbsoluteVolume data size 4"}, RegistryFixOutcome::Written, true},
        {{"open write " + kCt}, RegistryFixOutcome::Written, true},
        {{"open write " + kCt, "create " + kCt}, RegistryFixOutcome::WriteFailed, false},
        {{"set DisableAbsoluteVolume 1"}, RegistryFixOutcome::WriteFailed, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing.back());
        FakeRegistry registry;
        registry.keys[kCt][kValue] = dword(7);
        registry.failing.insert(c.failing.begin(), c.failing.end());
        EXPECT_EQ(run(registry), c.expected);
        EXPECT_EQ(*registry.value(), c.valueIsOne ? dword(1) : dword(7)) << "value left as it was on failure";
    }
}

TEST(RegistryFix, FailedReadOfASetValueStillEndsWithOne) {
    // Unreadable counts as 0: the fix writes 1 again rather than report a state it can't see.
    FakeRegistry registry;
    registry.keys[kCt][kValue] = dword(1);
    registry.failing.insert("query DisableAbsoluteVolume type size 0");
    EXPECT_EQ(run(registry), RegistryFixOutcome::Written);
}

TEST(RegistryFix, WritesTheControlSetThatWindowsReads) {
    struct Case {
        const char* what;
        bool present;
        Value current;
        const char* controlSet;
    } cases[] = {
        {"absent", false, {}, "ControlSet001"},
        {"1", true, dword(1), "ControlSet001"},
        {"2", true, dword(2), "ControlSet002"},
        {"999", true, dword(999), "ControlSet999"},
        {"0", true, dword(0), "ControlSet001"},
        {"1000", true, dword(1000), "ControlSet001"},
        {"text", true, raw(kRegSz, {'2', 0}), "ControlSet001"},
        {"8-byte DWORD", true, raw(4, {2, 0, 0, 0, 0, 0, 0, 0}), "ControlSet001"},
        {"2-byte DWORD", true, raw(4, {2, 0}), "ControlSet001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        FakeRegistry registry;
        registry.keys["SYSTEM\\Select"].erase("Current");
        if (c.present) registry.keys["SYSTEM\\Select"]["Current"] = c.current;
        EXPECT_EQ(run(registry), RegistryFixOutcome::Written);
        const std::string key =
            std::string("SYSTEM\\") + c.controlSet + "\\Control\\Bluetooth\\Audio\\AVRCP\\CT";
        ASSERT_NE(registry.value(key), nullptr);
        EXPECT_EQ(*registry.value(key), dword(1));
        EXPECT_EQ(registry.keys.size(), 2u) << "only Select and the one CT key exist";
    }
}

TEST(RegistryFix, ValuePathSplitsAtTheLastBackslash) {
    RegistryValuePath path;
    buildValuePath(42, &path);
    EXPECT_STREQ(path.key, "SYSTEM\\ControlSet042\\Control\\Bluetooth\\Audio\\AVRCP\\CT");
    EXPECT_STREQ(path.valueName, "DisableAbsoluteVolume");

    struct Case {
        const char* text;
        const char* key;
        const char* valueName;
    } cases[] = {
        {"a\\b\\c", "a\\b", "c"},
        {"name", "", "name"},
        {"key\\", "key", ""},
        {"k\\\x95\x5Cv", "k", "\x95\x5Cv"},  // a trail byte 0x5C is not a separator
    };
    for (const Case& c : cases) {
        char text[32];
        std::strcpy(text, c.text);
        const char* key = nullptr;
        const char* valueName = nullptr;
        splitValuePath(text, &key, &valueName);
        EXPECT_STREQ(key, c.key);
        EXPECT_STREQ(valueName, c.valueName);
    }
}

TEST(RegistryFix, MessagesAreCodePage936Bytes) {
    // The bytes, not the source text: no build machine's code page may decide them.
    EXPECT_STREQ(messageFor(RegistryFixOutcome::AlreadySet),
                 "\xB5\xB1\xC7\xB0\xD7\xA2\xB2\xE1\xB1\xED\xD6\xB5\xCE\xAA 1 "
                 "\xA3\xAC\xCE\xDE\xD0\xE8\xD0\xDE\xB8\xC4\xA1\xA3");
    EXPECT_STREQ(messageFor(RegistryFixOutcome::Written),
                 "\xD0\xDE\xB8\xC4\xD7\xA2\xB2\xE1\xB1\xED\xB3\xC9\xB9\xA6\xA3\xAC\xC7\xEB\xD6\xD8\xC6\xF4"
                 "\xB5\xE7\xC4\xD4"
                 "\xBA\xF3\xC9\xFA\xD0\xA7\xA1\xA3");
    EXPECT_STREQ(messageFor(RegistryFixOutcome::WriteFailed),
                 "\xD0\xDE\xB8\xC4\xD7\xA2\xB2\xE1\xB1\xED\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xBC\xEC\xB2\xE9"
                 "\xC8\xA8\xCF\xDE"
                 "\xBB\xF2\xB9\xD8\xB1\xD5\xC9\xB1\xB6\xBE\xC8\xED\xBC\xFE\xA1\xA3");
    EXPECT_STREQ(kRepairMessageTitle, "\xD0\xC5\xCF\xA2\xA3\xBA");
}

}  // namespace
}  // namespace vantelo
