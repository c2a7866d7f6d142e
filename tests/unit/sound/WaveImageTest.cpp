#include "sound/ToneImage.h"
#include "sound/WaveImage.h"

#include <gtest/gtest.h>

#include <string>

namespace lumo {
namespace {

void Put(std::vector<std::uint8_t>& b, const std::string& text) { b.insert(b.end(), text.begin(), text.end()); }
void Put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
    b.push_back(static_cast<std::uint8_t>(v));
    b.push_back(static_cast<std::uint8_t>(v >> 8));
}

// A 16-bit PCM image; an optional extra chunk before "data" checks chunk walking.
std::vector<std::uint8_t> Pcm16(int channels, const std::vector<std::int16_t>& samples, bool extraChunk = false,
                                int formatTag = 1) {
    std::vector<std::uint8_t> b;
    Put(b, "RIFF");
    Put32(b, 0);
    Put(b, "WAVEfmt ");
    Put32(b, 16);
    Put16(b, static_cast<std::uint16_t>(formatTag));
    Put16(b, static_cast<std::uint16_t>(channels));
    Put32(b, 11025);
    Put32(b, 11025u * 2u * static_cast<std::uint32_t>(channels));
    Put16(b, static_cast<std::uint16_t>(2 * channels));
    Put16(b, 16);
    if (extraChunk) {
        Put(b, "LIST");
        Put32(b, 3);
        Put(b, "abc");
        b.push_back(0);  // pad byte
    }
    Put(b, "data");
    Put32(b, static_cast<std::uint32_t>(samples.size() * 2));
    for (auto s : samples) Put16(b, static_cast<std::uint16_t>(s));
    return b;
}

TEST(WaveImage, ToneImageDecodesToCentredSixteenBitSamples) {
    const auto image = BuildToneImage(2000, 5, 20);
    ASSERT_TRUE(image.has_value());
    const auto sound = DecodeWave(*image);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->sampleRate, 11025);
    ASSERT_EQ(sound->samples.size(), 55u);
    EXPECT_EQ(sound->samples[0], -256);               // 127 is one step under the midpoint
    EXPECT_EQ(sound->samples[1], (145 - 128) * 256);
    EXPECT_EQ(sound->DurationUs(), 55 * 1000000 / 11025);
}

TEST(WaveImage, SixteenBitMonoAndStereoWithExtraChunk) {
    const auto mono = DecodeWave(Pcm16(1, {100, -200, 32767}, true));
    ASSERT_TRUE(mono.has_value());
    EXPECT_EQ(mono->samples, (std::vector<std::int16_t>{100, -200, 32767}));

    const auto stereo = DecodeWave(Pcm16(2, {100, 300, -32768, -32768}));
    ASSERT_TRUE(stereo.has_value());
    EXPECT_EQ(stereo->samples, (std::vector<std::int16_t>{200, -32768}));
}

TEST(WaveImage, RefusesWhatItCannotPlay) {
    const std::vector<std::uint8_t> empty;
    EXPECT_FALSE(DecodeWave(empty).has_value());
    EXPECT_FALSE(DecodeWave(nullptr, 100).has_value());
    auto notRiff = Pcm16(1, {1, 2});
    notRiff[0] = 'X';
    EXPECT_FALSE(DecodeWave(notRiff).has_value());
    EXPECT_FALSE(DecodeWave(Pcm16(1, {1, 2}, false, 2)).has_value());  // ADPCM
    EXPECT_FALSE(DecodeWave(Pcm16(3, {1, 2, 3})).has_value());
    auto headerOnly = Pcm16(1, {});
    headerOnly.resize(30);  // cut inside the format chunk, no data chunk
    EXPECT_FALSE(DecodeWave(headerOnly).has_value());
}

TEST(WaveImage, TruncatedDataIsCutToWhatIsThere) {
    auto image = Pcm16(1, {10, 20, 30, 40});
    image.resize(image.size() - 3);  // one whole sample and half of the next remain after 10, 20
    const auto sound = DecodeWave(image);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->samples, (std::vector<std::int16_t>{10, 20}));
}

TEST(WaveImage, HugeChunkSizeDoesNotReadPastTheEnd) {
    auto image = Pcm16(1, {5}, true);
    // Claim a giant LIST chunk: the walk must stop instead of overflowing.
    image[36 + 4] = 0xFF;
    image[36 + 5] = 0xFF;
    image[36 + 6] = 0xFF;
    image[36 + 7] = 0xFF;
    EXPECT_FALSE(DecodeWave(image).has_value());
}

} // namespace
} // namespace lumo
