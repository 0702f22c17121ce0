#include "app/unscramble.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace vantelo {
namespace {

// A stored array: header, then the given bytes (K1, middle, K2).
std::vector<unsigned char> stored(const std::vector<unsigned char>& bytes) {
    const auto count = static_cast<uint32_t>(bytes.size());
    std::vector<unsigned char> array = {1,
                                        0,
                                        0,
                                        0,
                                        static_cast<unsigned char>(count),
                                        static_cast<unsigned char>(count >> 8),
                                        static_cast<unsigned char>(count >> 16),
                                        static_cast<unsigned char>(count >> 24)};
    array.insert(array.end(), bytes.begin(), bytes.end());
    return array;
}

std::string unscramble(const std::vector<unsigned char>& array) {
    return unscrambleText(ScrambledText{array.data(), array.size()}).c_str();
}

TEST(UnscrambleText, WorkedCases) {
    struct Case {
        const char* what;
        std::vector<unsigned char> bytes;
        std::string expected;
    } cases[] = {
        {"keys only", {0x11, 0x22}, ""},
        {"middle walked last first", {0x01, 0x03 + 'c', 0x03 + 'b', 0x03 + 'a', 0x02}, "abc"},
        {"a zero byte is dropped, not an end", {0x20, 'b' + 0x50, 0x50, 'a' + 0x50, 0x30}, "ab"},
        {"a negative difference wraps", {0x20, 0x10, 0x30}, "\xC0"},
        {"sum of keys past 255", {0xF0, 0x21, 0xF0}, "A"},
        {"double-byte character from two bytes", {0, 0xE3, 0xB5, 0}, "\xB5\xE3"},
    };
    for (const Case& c : cases) EXPECT_EQ(unscramble(stored(c.bytes)), c.expected) << c.what;
}

TEST(UnscrambleText, MalformedArraysGiveTheEmptyText) {
    const std::vector<unsigned char> cases[] = {
        {},
        {1, 0, 0, 0},                       // header cut short
        {1, 0, 0, 0, 0, 0, 0, 0},           // no bytes
        {1, 0, 0, 0, 1, 0, 0, 0, 0x41},     // a single byte: fewer than the two keys
        {1, 0, 0, 0, 9, 0, 0, 0, 1, 2, 3},  // count runs past the data
        {1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 1, 2},
    };
    for (const auto& array : cases) EXPECT_EQ(unscramble(array), "") << array.size() << " bytes";
    EXPECT_STREQ(unscrambleText(ScrambledText{nullptr, 0}).c_str(), "");
}

TEST(UnscrambleText, RoundTripsAnyTextWithoutZeroBytesUnderAnyKeys) {
    std::mt19937 random(936);
    for (int round = 0; round < 2000; ++round) {
        std::string plain(random() % 40, '\0');
        for (char& c : plain) c = static_cast<char>(1 + random() % 255);
        const auto k1 = static_cast<unsigned char>(random());
        const auto k2 = static_cast<unsigned char>(random());
        std::vector<unsigned char> array(plain.size() + 10);
        ASSERT_EQ(scrambleText(plain.c_str(), k1, k2, array.data(), array.size()), array.size());
        ASSERT_EQ(unscramble(array), plain) << int(k1) << " " << int(k2);
    }
    unsigned char small[10];
    EXPECT_EQ(scrambleText("x", 1, 2, small, sizeof small), 0u) << "too small for 8 + 1 + 2";
}

TEST(UnscrambleText, StoredArraysHoldTheLinkTexts) {
    struct Case {
        const ScrambledText& array;
        unsigned char k1, k2;
        const char* plain;
        size_t count;
    } cases[] = {
        {kLinkCaptionText, 0x5A, 0x93, "www.quenvo.test", 17},
        {kLinkTargetText, 0x3C, 0xB5, "http://www.quenvo.test", 24},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.array.size, 8 + c.count);
        EXPECT_EQ(c.array.bytes[4], c.count);
        const Text text = unscrambleText(c.array);
        EXPECT_STREQ(text.c_str(), c.plain);
        EXPECT_EQ(text.size(), c.count - 2);
        // The stored bytes are what the generator makes from the plain text.
        std::vector<unsigned char> rebuilt(c.array.size);
        ASSERT_EQ(scrambleText(c.plain, c.k1, c.k2, rebuilt.data(), rebuilt.size()), c.array.size);
        EXPECT_EQ(rebuilt, std::vector<unsigned char>(c.array.bytes, c.array.bytes + c.array.size));
    }
}

}  // namespace
}  // namespace vantelo
