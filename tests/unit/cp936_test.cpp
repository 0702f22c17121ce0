#include "core/cp936.h"

#include <gtest/gtest.h>

namespace vantelo {
namespace {

TEST(Cp936, LastSeparatorSkipsTrailBytesThatLookLikeBackslashes) {
    struct Case {
        const char* text;
        int expected;  // offset of the separator, -1 for none
    } cases[] = {
        {"a\\b\\c", 3},
        {"abc", -1},
        {"", -1},
        {"\\", 0},
        {"a\\\x95\x5C", 1},  // 0x955C is one character: its trail is no separator
        {"\x95\x5C\\x", 2},
        {"a\\\x95", 1},             // a lead byte at the end stands alone
        {"\x81\x81\\\x81\x5C", 2},  // consecutive double-byte characters
    };
    for (const Case& c : cases) {
        const char* found = findLastSeparator(c.text, '\\');
        EXPECT_EQ(found ? found - c.text : -1, c.expected) << c.text;
    }
}

TEST(Cp936, FindTextMatchesOnlyOnCharacterBoundaries) {
    struct Case {
        const char* text;
        const char* needle;
        int expected;
    } cases[] = {
        {"app.exe \"%1\"", "\"%1\"", 8},
        {"app.exe %1", "\"%1\"", -1},
        {"app.exe %1 %1", "%1", 8},
        {"\x81%1%1", "%1", 3},  // the first '%' is the trail byte of 0x8125
        {"\xB5\xE3", "\xE3", -1},
        {"abc", "", 0},
        {"", "x", -1},
    };
    for (const Case& c : cases) {
        const char* found = findText(c.text, c.needle);
        EXPECT_EQ(found ? found - c.text : -1, c.expected) << c.text << " / " << c.needle;
    }
}

}  // namespace
}  // namespace vantelo
