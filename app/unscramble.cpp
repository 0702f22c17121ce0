// The link's caption and address, kept scrambled in the program's data.
#include "app/unscramble.h"

#include <stdint.h>
#include <string.h>

namespace vantelo {

namespace {

constexpr size_t kHeaderSize = 8;

uint32_t readLittleEndian32(const unsigned char* p) {
    return p[0] | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{p[3]} << 24);
}

void writeLittleEndian32(unsigned char* p, uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(value >> (8 * i));
}

// Made by tools/scramble (`scramble 0x5A 0x93 www.quenvo.test`); a unit test rebuilds
// them from the plain texts, so a release can swap in the distributor's real address.
const unsigned char kLinkCaptionBytes[] = {
    0x01, 0x00, 0x00, 0x00, 0x11, 0x00, 0x00, 0x00, 0x5A, 0x61, 0x60, 0x52, 0x61,
    0x1B, 0x5C, 0x63, 0x5B, 0x52, 0x62, 0x5E, 0x1B, 0x64, 0x64, 0x64, 0x93,
};
// `scramble 0x3C 0xB5 http://www.quenvo.test`
const unsigned char kLinkTargetBytes[] = {
    0x01, 0x00, 0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x3C, 0x65, 0x64, 0x56, 0x65, 0x1F, 0x60, 0x67,
    0x5F, 0x56, 0x66, 0x62, 0x1F, 0x68, 0x68, 0x68, 0x20, 0x20, 0x2B, 0x61, 0x65, 0x65, 0x59, 0xB5,
};

}  // namespace

const ScrambledText kLinkCaptionText = {kLinkCaptionBytes, sizeof kLinkCaptionBytes};
const ScrambledText kLinkTargetText = {kLinkTargetBytes, sizeof kLinkTargetBytes};

Text unscrambleText(const ScrambledText& array) {
    if (array.bytes == nullptr || array.size < kHeaderSize) return Text();
    const uint32_t count = readLittleEndian32(array.bytes + 4);
    if (count < 2 || count > array.size - kHeaderSize) return Text();

    const unsigned char* keys = array.bytes + kHeaderSize;
    const int k1 = keys[0];
    const int k2 = keys[count - 1];
    const size_t middle = count - 2;

    Text result = Text::withCapacity(middle);
    char* plain = result.buffer();
    if (plain == nullptr) return result;
    size_t length = 0;
    for (size_t i = middle; i >= 1; --i) {
        // Exact integer arithmetic; the low 8 bits of a negative difference wrap round.
        const int difference = keys[i] - k2 - k1;
        const unsigned char character = static_cast<unsigned char>(difference & 0xFF);
        if (character != 0) plain[length++] = static_cast<char>(character);
    }
    plain[length] = '\0';
    return result;
}

size_t scrambleText(const char* plain, unsigned char k1, unsigned char k2, unsigned char* out,
                    size_t capacity) {
    const size_t n = strlen(plain);
    const size_t total = kHeaderSize + n + 2;
    if (capacity < total || n + 2 > UINT32_MAX) return 0;
    writeLittleEndian32(out, 1);
    writeLittleEndian32(out + 4, static_cast<uint32_t>(n + 2));
    unsigned char* keys = out + kHeaderSize;
    keys[0] = k1;
    for (size_t i = 0; i < n; ++i) {
        keys[1 + i] = static_cast<unsigned char>(static_cast<unsigned char>(plain[n - 1 - i]) + k1 + k2);
    }
    keys[n + 1] = k2;
    return total;
}

}  // namespace vantelo
