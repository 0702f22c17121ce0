#include "app/icon_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace vantelo {
namespace {

struct Entry {
    uint8_t width, colours;
    uint32_t size, offset;
};

// A .ico file: header, entries, then each image as a BMP header of its width (and 2x height).
std::vector<unsigned char> icoFile(const std::vector<Entry>& entries, bool images = true) {
    std::vector<unsigned char> file = {0, 0, 1, 0, static_cast<unsigned char>(entries.size()), 0};
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) file.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    for (const Entry& e : entries) {
        file.insert(file.end(), {e.width, e.width, e.colours, 0, 1, 0, 32, 0});
        put32(e.size);
        put32(e.offset);
    }
    if (images) {
        for (const Entry& e : entries) {
            if (file.size() < e.offset + e.size) file.resize(e.offset + e.size);
            unsigned char* header = file.data() + e.offset;
            header[0] = 40;
            header[4] = e.width;
            header[8] = static_cast<unsigned char>(e.width * 2);
        }
    }
    return file;
}

int chosenWidth(const std::vector<unsigned char>& file, int width) {
    IconImage image;
    if (!chooseIconImage(file.data(), file.size(), width, &image)) return -1;
    EXPECT_EQ(image.height, image.width);
    return image.width;
}

TEST(IconFile, FirstWithSixteenColoursOrMoreAtTheWidthElseTheLast) {
    const auto file = icoFile({{16, 0, 64, 70}, {32, 16, 64, 134}, {16, 16, 64, 198}, {48, 0, 64, 262}});
    EXPECT_EQ(chosenWidth(file, 32), 32);
    EXPECT_EQ(chosenWidth(file, 16), 16);
    IconImage image;
    ASSERT_TRUE(chooseIconImage(file.data(), file.size(), 16, &image));
    EXPECT_EQ(image.bits, file.data() + 198) << "the 16-colour one, not the first 16-pixel entry";
    EXPECT_EQ(chosenWidth(file, 24), 48) << "none fits: the last entry";

    // The program's own: one 48 x 48 entry with colour count 0 serves both sizes.
    const auto single = icoFile({{48, 0, 9640, 22}});
    EXPECT_EQ(chosenWidth(single, 32), 48);
    EXPECT_EQ(chosenWidth(single, 16), 48);
}

TEST(IconFile, MalformedFilesGiveNoImageAndReadNothingOutside) {
    auto pointingPast = icoFile({{32, 16, 64, 22}});
    pointingPast.resize(60);  // the image runs past the end
    auto offsetPast = icoFile({{32, 16, 64, 22}}, false);
    offsetPast[18] = 0xFF;  // offset far outside
    auto zeroSize = icoFile({{32, 16, 0, 22}}, false);
    auto overflowing = icoFile({{32, 16, 0xFFFFFFF0u, 22}}, false);
    auto truncatedDirectory = icoFile({{32, 16, 64, 38}, {16, 16, 64, 102}});
    truncatedDirectory.resize(6 + 16 + 8);  // the second entry cut short
    const std::vector<unsigned char> cases[] = {
        {}, {0, 0, 1}, {0, 0, 1, 0, 0, 0}, pointingPast, offsetPast, zeroSize, overflowing,
    };
    for (const auto& file : cases) EXPECT_EQ(chosenWidth(file, 32), -1) << file.size() << " bytes";
    EXPECT_EQ(chosenWidth(truncatedDirectory, 32), -1)
        << "only whole entries count: the first lies past the end";
}

TEST(IconFile, ImageSizeFromItsOwnHeader) {
    const unsigned char png[24] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13,
                                   'I',  'H', 'D', 'R', 0,    0,    1,    0,    0, 0, 0, 64};
    int width = 0, height = 0;
    ASSERT_TRUE(iconImageSize(png, sizeof png, &width, &height));
    EXPECT_EQ(width, 256);
    EXPECT_EQ(height, 64);
    const unsigned char tooShort[10] = {40};
    EXPECT_FALSE(iconImageSize(tooShort, sizeof tooShort, &width, &height));
}

TEST(WindowPlacement, CentredWithTruncationTowardZero) {
    struct Case {
        int screen, size, origin;
    } cases[] = {
        {1920, 407, 756}, {1080, 226, 427}, {1366, 407, 479}, {768, 226, 271}, {400, 407, -3}, {0, 407, -203},
    };
    for (const Case& c : cases) EXPECT_EQ(centredOrigin(c.screen, c.size), c.origin) << c.screen;
}

}  // namespace
}  // namespace vantelo
