#include <gtest/gtest.h>

#include <stdint.h>
#include <stdio.h>

#include <vector>

static uint32_t Little(const std::vector<unsigned char>& bytes, size_t at, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; i--)
        value = value << 8 | bytes[at + i];
    return value;
}

// The window icon: one 32 x 32 image of 256 colours, 2238 bytes in all.
TEST(Icon, OneImageOf32By32At8BitsWithFullPalette)
{
    FILE* file = fopen(TARNVIK_ICON, "rb");
    ASSERT_NE(nullptr, file) << TARNVIK_ICON;
    std::vector<unsigned char> bytes;
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back((unsigned char)c);
    fclose(file);

    ASSERT_EQ(2238u, bytes.size());
    EXPECT_EQ(0u, Little(bytes, 0, 2));   // reserved
    EXPECT_EQ(1u, Little(bytes, 2, 2));   // type: icon
    EXPECT_EQ(1u, Little(bytes, 4, 2));   // one image
    EXPECT_EQ(32u, bytes[6]);             // width
    EXPECT_EQ(32u, bytes[7]);             // height
    EXPECT_EQ(8u, Little(bytes, 12, 2));  // bits per pixel
    uint32_t size = Little(bytes, 14, 4), offset = Little(bytes, 18, 4);
    EXPECT_EQ(22u, offset);
    EXPECT_EQ(bytes.size(), offset + size);
    // The image: BITMAPINFOHEADER, 256 palette entries, colour bits, mask.
    EXPECT_EQ(40u, Little(bytes, offset, 4));
    EXPECT_EQ(32u, Little(bytes, offset + 4, 4));
    EXPECT_EQ(64u, Little(bytes, offset + 8, 4));  // colour bits and mask together
    EXPECT_EQ(8u, Little(bytes, offset + 14, 2));
    EXPECT_EQ(40u + 256 * 4 + 32 * 32 + 32 * 4, size);
}
