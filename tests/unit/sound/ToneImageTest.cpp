#include "sound/ToneImage.h"

#include <gtest/gtest.h>

#include <cstring>

namespace lumo {
namespace {

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

TEST(ToneImage, SwitchOnToneHasExactSizesAndSamples) {
    const auto image = BuildToneImage(2000, 5, 20);
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->size(), 101u);
    EXPECT_EQ(U32(*image, 4), 93u);
    EXPECT_EQ(U32(*image, 42), 55u);
    const std::vector<std::uint8_t> head(image->begin() + 46, image->begin() + 54);
    EXPECT_EQ(head, (std::vector<std::uint8_t>{127, 145, 142, 122, 108, 116, 137, 146}));
    for (std::size_t i = 46; i < image->size(); ++i) {
        EXPECT_GE((*image)[i], 107) << "sample " << i - 46;
        EXPECT_LE((*image)[i], 147) << "sample " << i - 46;
    }
}

TEST(ToneImage, HeaderFields) {
    const auto image = BuildToneImage(1600, 10, 15);
    ASSERT_TRUE(image.has_value());
    ASSERT_EQ(image->size(), 46u + 110u);
    EXPECT_EQ(std::memcmp(image->data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(image->data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(U32(*image, 16), 18u);
    EXPECT_EQ(U16(*image, 20), 1);
    EXPECT_EQ(U16(*image, 22), 1);
    EXPECT_EQ(U32(*image, 24), 11025u);
    EXPECT_EQ(U32(*image, 28), 11025u);
    EXPECT_EQ(U16(*image, 32), 1);
    EXPECT_EQ(U16(*image, 34), 8);
    EXPECT_EQ(U16(*image, 36), 0);
    EXPECT_EQ(std::memcmp(image->data() + 38, "data", 4), 0);
    EXPECT_EQ(U32(*image, 4), image->size() - 8);
}

TEST(ToneImage, SampleCountsTruncate) {
    const struct { int ms; int samples; } cases[] = {{5, 55}, {10, 110}, {20, 220}, {1, 11}, {0, 0}, {-3, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(ToneSampleCount(c.ms), c.samples) << c.ms << " ms";
        const auto image = BuildToneImage(900, c.ms, 20);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->size(), 46u + static_cast<std::size_t>(c.samples));
        EXPECT_EQ(U32(*image, 42), static_cast<std::uint32_t>(c.samples));
    }
}

TEST(ToneImage, FrequencyLimitIsSixTenthsOfTheRate) {
    EXPECT_TRUE(BuildToneImage(6615, 10, 5).has_value());
    EXPECT_FALSE(BuildToneImage(6616, 10, 5).has_value());
    EXPECT_FALSE(BuildToneImage(7000, 10, 5).has_value());
    EXPECT_EQ(ToneFrequencyErrorText(7000), "Sample rate of 11025 is too Low to play a tone of 7000Hz");
}

TEST(ToneImage, FullVolumeStaysWithinByteRangeAndStartsAtMidpoint) {
    const auto image = BuildToneImage(1200, 1000, 127);
    ASSERT_TRUE(image.has_value());
    EXPECT_EQ((*image)[46], 127);
    int low = 255, high = 0;
    for (std::size_t i = 46; i < image->size(); ++i) {
        low = std::min<int>(low, (*image)[i]);
        high = std::max<int>(high, (*image)[i]);
    }
    EXPECT_EQ(low, 1);     // 127 - 126 (truncation toward zero never reaches -127 here)
    EXPECT_EQ(high, 253);  // 127 + 126
}

TEST(ToneImage, VolumeAboveSevenBitsIsClampedInsteadOfWrapping) {
    const auto loud = BuildToneImage(1200, 100, 400);
    const auto max = BuildToneImage(1200, 100, 127);
    ASSERT_TRUE(loud.has_value());
    EXPECT_EQ(*loud, *max);
}

} // namespace
} // namespace lumo
